// Writes what the page's markup takes from the main window's design, as
// CMake that page.cmake reads: the order of its tab stops, and its menu bar
// with the menu's entries, separators, shortcuts and the command each runs.
// Captions stay the texts' placeholders (@MRV_TEXT_frmMRVDate_<name>@),
// filled in, escaped and with their access keys underlined, from texts.json.
#include "page_markup.h"

#include "frmMRVDateDesign.h"

#include <cctype>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace {

namespace window = mrv::forms::mainWindow;

std::string lower(char key)
{
    return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(key))));
}

std::string placeholder(std::string_view name)
{
    return "@MRV_TEXT_frmMRVDate_" + std::string(name) + "@";
}

// The design's tab stops in their order; an indexed group (the options) is
// one, as the browser makes a radio group one.
void writeTabOrder()
{
    std::printf("set(MRV_PAGE_TAB_ORDER");
    std::string last;
    for (int tab = 0;; ++tab) {
        const window::Control* stop = nullptr;
        for (const window::Control& row : window::kControls)
            stop = row.tabIndex == tab ? &row : stop;
        if (!stop)
            break;
        if (stop->name != last)
            std::printf(" %.*s", static_cast<int>(stop->name.size()), stop->name.data());
        last = stop->name;
    }
    std::printf(")\n");
}

// A page cannot end its program: it has no Exit, and no separator that
// would end its menu.
bool onThePage(const window::MenuEntry& entry)
{
    return entry.command != window::Command::Exit || entry.caption.empty();
}

std::string entryMarkup(const window::MenuEntry& entry)
{
    const std::string name(entry.name);
    std::string markup = "      <button type=\"button\" id=\"" + name +
                         "\" role=\"menuitem\" tabindex=\"-1\" data-key=\"" +
                         lower(mrv::forms::accessKeyOf(entry.caption)) + "\" data-command=\"" +
                         std::to_string(static_cast<int>(entry.command)) + "\"";
    if (entry.ctrlKey)
        markup += " data-ctrl-key=\"" + lower(entry.ctrlKey) + "\" aria-keyshortcuts=\"Control+" +
                  std::string(1, entry.ctrlKey) + "\"";
    return markup + ">" + placeholder(entry.name) + "</button>\n";
}

void writeMenu()
{
    const std::string menu(window::kMenuName);
    const char menuKey = mrv::forms::accessKeyOf(window::kMenuCaption);
    std::string markup = "  <div id=\"menuBar\" role=\"menubar\" aria-label=\"Menu\">\n"
                         "    <button type=\"button\" id=\"" +
                         menu +
                         "\" role=\"menuitem\" tabindex=\"-1\" aria-haspopup=\"menu\" "
                         "aria-expanded=\"false\"\n            aria-controls=\"" +
                         menu + "Menu\" aria-keyshortcuts=\"Alt+" + std::string(1, menuKey) +
                         "\" data-key=\"" + lower(menuKey) + "\">" + placeholder(menu) +
                         "</button>\n    <div id=\"" + menu + "Menu\" role=\"menu\" aria-labelledby=\"" +
                         menu + "\" hidden>\n";
    const std::span<const window::MenuEntry> entries(window::kMenu);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!onThePage(entries[i]))
            continue;
        if (!entries[i].caption.empty())
            markup += entryMarkup(entries[i]);
        else if (i + 1 < entries.size() && onThePage(entries[i + 1]) && !entries[i + 1].caption.empty())
            markup += "      <div role=\"separator\"></div>\n";
    }
    std::printf("set(MRV_PAGE_MENU [==[%s    </div>\n  </div>]==])\n", markup.c_str());
}

} // namespace

void writePageMarkup()
{
    std::printf("# Made by the build from the main window's design (forms/): change it there.\n");
    writeTabOrder();
    writeMenu();
}
