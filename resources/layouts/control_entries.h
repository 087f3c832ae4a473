#pragma once

#include "resources/layouts/dialog_template.h"

// Short forms for the rows of the layout tables, so that each table reads
// like the template it describes.

inline Control controlEntry(int id, ControlClass controlClass, DialogRect rect, std::uint32_t styles = kNoStyle,
                            ControlFont font = ControlFont::Template, std::u16string_view text = {},
                            int resourceId = -1)
{
    Control control;
    control.id = id;
    control.controlClass = controlClass;
    control.rect = rect;
    control.styles = styles;
    control.font = font;
    control.text = text;
    control.resourceId = resourceId;
    return control;
}

inline Control ownerDrawnButton(int id, DialogRect rect)
{
    return controlEntry(id, ControlClass::OwnerDrawnButton, rect);
}

inline Control pushButton(int id, DialogRect rect, std::uint32_t styles, ControlFont font,
                          std::u16string_view text = {})
{
    return controlEntry(id, ControlClass::PushButton, rect, styles, font, text);
}

inline Control picture(int id, DialogRect rect) { return controlEntry(id, ControlClass::Picture, rect); }

inline Control icon(int id, DialogRect rect, int resourceId)
{
    return controlEntry(id, ControlClass::Icon, rect, kNoStyle, ControlFont::Template, {}, resourceId);
}

inline Control label(int id, DialogRect rect, std::uint32_t styles = kNoStyle,
                     ControlFont font = ControlFont::Template, std::u16string_view text = {})
{
    return controlEntry(id, ControlClass::Label, rect, styles, font, text);
}

inline Control group(int id, DialogRect rect) { return controlEntry(id, ControlClass::Group, rect); }

inline Control field(int id, DialogRect rect, std::uint32_t styles)
{
    return controlEntry(id, ControlClass::Field, rect, styles);
}

inline Control listView(int id, DialogRect rect) { return controlEntry(id, ControlClass::ListView, rect, kBorder); }

// Drop-down lists without an edit part: a typed text could leave a list with
// no entry picked, and every list of the dialogs names a table index.
inline Control comboBox(int id, DialogRect rect)
{
    return controlEntry(id, ControlClass::ComboBox, rect, kTabStop);
}

inline Control editableTable(int id, DialogRect rect, std::uint32_t styles = kNoStyle)
{
    return controlEntry(id, ControlClass::EditableTable, rect, kBorder | kTabStop | styles);
}

inline Control chart(int id, DialogRect rect, std::uint32_t styles = kNoStyle)
{
    return controlEntry(id, ControlClass::Chart, rect, kBorder | styles);
}
