#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr std::uint32_t kInput = kBorder | kTabStop | kHorizontalScroll;
constexpr std::uint32_t kEntry = kBorder | kTabStop;
constexpr std::uint32_t kResult = kReadOnly;

DialogTemplate makeMainWindow()
{
    DialogTemplate dialog;
    dialog.id = 102;
    dialog.width = 853;
    dialog.height = 471;
    dialog.caption = u"Arvelo Rezu";
    dialog.controls = {
        picture(1033, {6, 4, 816, 80}), // banner

        // Mode buttons.
        ownerDrawnButton(7, {4, 91, 70, 20}),
        ownerDrawnButton(9, {79, 91, 70, 20}),

        // Valve groups with their captions.
        ownerDrawnButton(1037, {18, 137, 40, 40}),
        label(1029, {4, 180, 70, 8}, kCentred),
        ownerDrawnButton(1038, {93, 137, 40, 40}),
        label(1030, {78, 180, 70, 8}, kCentred),

        // Settings menu.
        group(1031, {4, 208, 142, 248}),
        ownerDrawnButton(1048, {9, 222, 130, 40}),
        ownerDrawnButton(1049, {9, 271, 130, 40}),
        ownerDrawnButton(1050, {9, 322, 130, 40}),
        ownerDrawnButton(1060, {9, 366, 130, 40}), // balance a branch
        ownerDrawnButton(1, {9, 411, 130, 40}),

        // Valve types.
        group(1056, {162, 88, 117, 256}),
        ownerDrawnButton(1039, {179, 109, 80, 80}),
        label(1052, {166, 191, 110, 18}, kCentred),
        ownerDrawnButton(1040, {179, 236, 80, 80}),
        label(1053, {166, 319, 110, 16}, kCentred),

        // Project data and the candidate list.
        group(1032, {284, 88, 548, 121}),
        label(1027, {296, 108, 88, 8}),
        field(1005, {385, 107, 36, 14}, kInput),
        ownerDrawnButton(1042, {426, 106, 16, 16}),
        label(1034, {295, 126, 87, 8}),
        field(1007, {385, 123, 36, 14}, kInput),
        ownerDrawnButton(11, {396, 143, 25, 25}),
        label(1047, {291, 198, 154, 8}),
        listView(1017, {513, 99, 314, 103}),

        // Results.
        group(1051, {284, 218, 392, 127}),
        label(1046, {291, 230, 143, 25}),
        picture(1045, {307, 242, 100, 100}),
        field(1010, {438, 230, 96, 106}, kMultiLine | kReadOnly),
        label(1036, {556, 230, 105, 8}),
        field(1006, {554, 246, 36, 14}, kResult),
        label(1043, {556, 270, 92, 8}),
        field(1008, {554, 285, 112, 12}, kResult),
        label(1044, {556, 310, 107, 8}),
        field(1009, {554, 325, 36, 14}, kResult),

        // Valve-list entry.
        label(1054, {678, 218, 41, 8}),
        field(1018, {678, 229, 151, 14}, kEntry),
        label(1055, {678, 247, 41, 8}),
        field(1019, {677, 257, 152, 14}, kEntry),
        label(1035, {679, 286, 41, 8}),
        field(1016, {678, 297, 151, 14}, kEntry),
        ownerDrawnButton(8, {678, 319, 152, 25}),

        // Valve list.
        group(1022, {162, 350, 667, 106}),
        listView(1014, {168, 366, 593, 85}),
        ownerDrawnButton(6, {765, 364, 60, 20}),
        ownerDrawnButton(10, {765, 386, 60, 20}),
        ownerDrawnButton(1100, {765, 408, 60, 20}), // record measurement
        ownerDrawnButton(4, {765, 430, 60, 20}),
    };
    // Not the order of the rows above: the designation comes before project
    // and customer.
    dialog.tabOrder = {1005, 1007, 1016, 1018, 1019};
    return dialog;
}

} // namespace

const DialogTemplate& mainWindowTemplate()
{
    static const DialogTemplate dialog = makeMainWindow();
    return dialog;
}
