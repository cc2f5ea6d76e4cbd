// The main window's rules, once for every front end: each handler takes one
// of the window's events and returns what the window must do, in order. A
// toolkit forwards its events here and only carries out the effects; the
// rules keep the window's one piece of state, the first-entry flag.
#pragma once

#include "frmMRVDateDesign.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mrv::forms::mainWindow {

enum class WebPage { Project };

struct Effect {
    enum class Kind {
        Centre,      // the window on the screen, in the form's centring order
        ShowPicture, // `index`: the library picture in imgMain
        SetPrefix,   // `text`: lblDatePrefix's caption
        CheckOption, // `index`: select the option without it counting as a click
        SetResult,   // `text`: the result box's line
        ShowBox,     // a message box (`title`, `text`, `icon`) and wait for its OK
        GiveFocus,   // to the `control`
        SelectEntry, // the whole entry in txtInputBox
        Beep,
        OpenWebPage, // `page`, in the user's web browser
        ShowWindow,  // the `control` named form, modal
        End,         // close the window and end the program
    };
    Kind kind;
    std::string text = {};
    std::string_view control = {};
    std::string_view title = {};
    std::string_view icon = {};
    int index = -1;
    WebPage page = WebPage::Project;

    friend bool operator==(const Effect&, const Effect&) = default;
};

using Effects = std::vector<Effect>;

class Rules {
public:
    // `seed` seeds the draw of the picture: each start shows another.
    Effects Form_Load(std::uint32_t seed);
    // The user or an access key chose option `Index` (again or anew).
    Effects optDate_Click(int Index);
    Effects txtInputBox_Change();
    // The date box received the focus (not a mere return to the window).
    Effects txtInputBox_GotFocus();
    // `option`: the chosen option's index, or -1 before any is chosen;
    // results are written, and read, with `decimalSeparator`.
    Effects cmdConvert_Click(int option, std::string_view entry, std::string_view decimalSeparator);
    Effects mnuHelp_Click(Command command);

    bool isAwaitingFirstEntry() const { return awaitingFirstEntry; }

private:
    bool awaitingFirstEntry = true;
};

// The library picture shown for a draw r of the random source. Draws outside
// [0, 1) (a generator rounding up to 1.0) are clamped, so the index is
// always one of the library's.
int pictureIndexForDraw(float r);

} // namespace mrv::forms::mainWindow
