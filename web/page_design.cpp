// Writes the page's desktop geometry, fonts and colours as CSS, from the
// windows' designs (forms/): every control at its place and size in CSS
// pixels (15 twips to a pixel), the design's fonts and colours. The build
// puts these rules ahead of the hand-written style.css, which says only
// what the design does not (borders, the phone layout, dark colours, focus).
// With "markup", it writes what the page's markup takes from the design
// instead (page_markup.cpp).
#include "SecondaryWindowDesigns.h"
#include "frmMRVDateDesign.h"
#include "page_markup.h"

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace {

namespace forms = mrv::forms;

std::string hex(const forms::Rgb& rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

// The page's id of a control: the main window's are the design's names (an
// option's is its label's, which holds it); a dialog's carry its form's
// name, and an index, in front; the About window's link keeps its own.
std::string pageId(const forms::FormDesign& form, const forms::ControlDesign& row)
{
    const std::string name(row.name);
    if (form.name == forms::mainWindow::kForm.name)
        return row.index < 0 ? name : "lblOptDate" + std::to_string(row.index);
    if (row.name == "lblHyperlink")
        return name;
    return std::string(form.name) + "_" + name + (row.index < 0 ? "" : "_" + std::to_string(row.index));
}

void writeControl(const forms::FormDesign& form, const forms::ControlDesign& row)
{
    const forms::TwipsRect& p = row.place;
    std::printf("#%s {\n  left: %dpx;\n  top: %dpx;\n  width: %dpx;\n  height: %dpx;\n",
                pageId(form, row).c_str(), forms::twips(p.left), forms::twips(p.top), forms::twips(p.width),
                forms::twips(p.height));
    // The form's own size is inherited, so that the phone's larger text
    // reaches every control that the design does not size otherwise.
    const forms::FontDesign font = forms::fontOf(row.font);
    if (font.points != forms::fontOf(forms::FontRole::Regular).points)
        std::printf("  font-size: %gpt;\n", font.points);
    if (row.font != forms::FontRole::Regular)
        std::printf("  font-weight: %s;\n", font.bold ? "bold" : "normal");
    if (row.colour == forms::ColourRole::Result)
        std::printf("  color: var(--result);\n");
    else if (row.colour == forms::ColourRole::Link)
        std::printf("  color: var(--link);\n");
    std::printf("}\n");
}

void writeForm(const forms::FormDesign& form, std::span<const forms::ControlDesign> controls,
               const char* client)
{
    std::printf("/* %.*s: %d x %d twips. */\n%s {\n  width: %dpx;\n  height: %dpx;\n}\n",
                static_cast<int>(form.name.size()), form.name.data(), form.clientWidth, form.clientHeight,
                client, forms::twips(form.clientWidth), forms::twips(form.clientHeight));
    for (const forms::ControlDesign& row : controls)
        writeControl(form, row);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "markup") {
        writePageMarkup();
        return 0;
    }
    std::printf("/* Made by the build from the windows' designs (forms/): change them there. */\n:root {\n"
                "  --design-faces: \"%.*s\"",
                static_cast<int>(forms::kFace.size()), forms::kFace.data());
    for (std::string_view face : forms::kFallbackFaces)
        std::printf(", \"%.*s\"", static_cast<int>(face.size()), face.data());
    std::printf(";\n  --result: %s;\n  --link: %s;\n}\nhtml {\n  font-size: %gpt;\n}\n",
                hex(forms::colourOf(forms::ColourRole::Result)).c_str(),
                hex(forms::colourOf(forms::ColourRole::Link)).c_str(),
                forms::fontOf(forms::FontRole::Regular).points);
    writeForm(forms::mainWindow::kForm, forms::mainWindow::kControls, "#clientArea");
    writeForm(forms::instructions::kForm, forms::instructions::kControls, "#frmInstructions .client");
    writeForm(forms::about::kForm, forms::about::kControls, "#frmAbout .client");
    return 0;
}
