#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A window's layout as its template gives it: every control with its id,
// class, style and place in dialog units. The view builds its widgets from
// these tables; nothing here knows about a toolkit.

// Controls that nobody addresses by id (the About box's texts and icon).
inline constexpr int kNoControlId = -1;

enum class ControlClass {
    OwnerDrawnButton, // KrButton
    PushButton,       // the toolkit's own button (dialog Save, Cancel, OK)
    Picture,          // KrPictureControl
    Icon,             // a static icon, its resource in Control::resourceId
    Label,            // KrStaticText
    Group,            // a group-box frame with a KrStaticText caption
    Field,            // KrEdit
    ListView,         // report-style list
    ComboBox,         // drop-down list; its height includes the drop-down part
    EditableTable,    // a grid of cells the user types into, row by row
    Chart,            // an SVG picture the program draws, scaled to fit
};

// Style bits of a control; which ones apply depends on its class.
enum ControlStyle : std::uint32_t {
    kNoStyle = 0,
    kBorder = 1u << 0,
    kTabStop = 1u << 1,
    kReadOnly = 1u << 2,
    kMultiLine = 1u << 3,
    kHorizontalScroll = 1u << 4, // a field scrolls its text instead of stopping at its edge
    kCentred = 1u << 5,          // label text centred horizontally
    kDefaultButton = 1u << 6,
    kEditableCombo = 1u << 7,    // the drop-down list has an edit part
    // In a resizable window: how a control follows the window's size.
    kGrowWidth = 1u << 8,        // its right edge keeps its distance to the window's
    kGrowHeight = 1u << 9,       // its bottom edge keeps its distance to the window's
    kFollowRight = 1u << 10,     // it moves with the window's right edge
    kFollowBottom = 1u << 11,    // it moves with the window's bottom edge
};

// The font a dialog gives a control on opening; Template keeps the
// template's dialog font, on which the dialog units are based.
enum class ControlFont { Template, Regular, Bold };

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Control {
    int id = kNoControlId;
    ControlClass controlClass = ControlClass::Label;
    DialogRect rect;
    std::uint32_t styles = kNoStyle;
    ControlFont font = ControlFont::Template;
    std::u16string_view text;  // fixed text of the template; empty where the program sets it
    int resourceId = -1;       // icon resource of an Icon

    bool has(ControlStyle style) const { return (styles & style) != 0; }
};

struct DialogTemplate {
    int id = 0;
    int width = 0;  // client area in dialog units
    int height = 0;
    std::u16string_view caption; // empty where the opener passes the title
    std::vector<Control> controls;
    std::vector<int> tabOrder; // ids of the tab stops, in the order the tab key visits them
    bool resizable = false;    // the user may resize the window; its controls follow their styles
};
