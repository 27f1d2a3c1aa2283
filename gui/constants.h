// The gadget toolkit's vocabulary: gadget classes, style, state and item flag bits, activation
// commands, query kinds, text units and edge modes.
#pragma once

#include <cstdint>

// The class number a gadget is created with; the driver builds a different element for each.
namespace GadgetClass {
constexpr int32_t Desktop = 0;  // the screen: one shared gadget, never created anew
constexpr int32_t Window = 1;
constexpr int32_t Button = 2;
constexpr int32_t Panel = 3;
constexpr int32_t TextField = 4;
constexpr int32_t TextArea = 5;
constexpr int32_t ComboBox = 6;
constexpr int32_t ListBox = 7;
constexpr int32_t ToolBar = 8;
constexpr int32_t Tabber = 9;
constexpr int32_t TreeView = 10;
constexpr int32_t HtmlView = 11;
constexpr int32_t Label = 12;
constexpr int32_t Slider = 13;
constexpr int32_t ProgBar = 14;
constexpr int32_t Menu = 15;
constexpr int32_t Node = 16;  // made by a tree view's InsertNode, never by CreateGadget
constexpr int32_t Canvas = 17;
}  // namespace GadgetClass

// Bits answered by State() and used as item states.
namespace GadgetState {
constexpr int32_t Minimized = 1;
constexpr int32_t Maximized = 2;
constexpr int32_t Disabled = 4;
constexpr int32_t Hidden = 8;
constexpr int32_t Selected = 16;  // checked button or menu entry, selected item
}  // namespace GadgetState

// The argument of Activate.
namespace ActivateCommand {
constexpr int32_t Focus = 0;
constexpr int32_t Cut = 1;
constexpr int32_t Copy = 2;
constexpr int32_t Paste = 3;
constexpr int32_t Minimize = 4;
constexpr int32_t Maximize = 5;
constexpr int32_t Restore = 6;
constexpr int32_t Select = 7;
constexpr int32_t Expand = 8;
constexpr int32_t Collapse = 9;
constexpr int32_t Back = 10;     // HTML view: previous page; other gadgets: previous control
constexpr int32_t Forward = 11;  // HTML view: next page; other gadgets: next control
constexpr int32_t Print = 12;
constexpr int32_t Redraw = 13;
}  // namespace ActivateCommand

// The argument of Query; any other kind answers 0.
namespace QueryKind {
constexpr int32_t NativeHandle = 1;
constexpr int32_t ClientHandle = 2;  // the client area's handle where it differs, else the gadget's own
}  // namespace QueryKind

// Units of the text area's positions and lengths.
namespace TextUnits {
constexpr int32_t Chars = 1;
constexpr int32_t Lines = 2;
}  // namespace TextUnits

// How an edge of a gadget follows its parent when the parent changes size.
namespace EdgeMode {
constexpr int32_t Free = 0;
constexpr int32_t Aligned = 1;   // keeps its distance to the same edge of the parent
constexpr int32_t Relative = 2;  // keeps its position as a fraction of the parent's size
}  // namespace EdgeMode

namespace WindowStyle {
constexpr int32_t TitleBar = 1;   // caption and system menu
constexpr int32_t Resizable = 2;  // sizing frame; with TitleBar also minimise and maximise boxes
constexpr int32_t MenuBar = 4;
constexpr int32_t StatusBar = 8;
constexpr int32_t ToolWindow = 16;    // small caption
constexpr int32_t ClientCoords = 32;  // the shape given is the client area's
constexpr int32_t Hidden = 64;        // created hidden instead of shown at once
constexpr int32_t AcceptFiles = 128;
constexpr int32_t Child = 256;  // a child window of its group rather than a top-level one
}  // namespace WindowStyle

namespace ButtonStyle {
constexpr int32_t KindMask = 7;  // the low three bits give the kind
constexpr int32_t Push = 1;      // 0 is a push button as well
constexpr int32_t CheckBox = 2;
constexpr int32_t Radio = 3;
constexpr int32_t Ok = 4;       // a push button carrying the platform's OK command
constexpr int32_t Cancel = 5;   // a push button carrying the platform's cancel command
constexpr int32_t Default = 8;  // marks a push button as the default button
}  // namespace ButtonStyle

namespace LabelStyle {
constexpr int32_t FrameMask = 7;  // the low three bits give the frame; 0 is none
constexpr int32_t Flat = 1;
constexpr int32_t Sunken = 2;
constexpr int32_t Separator = 3;   // an etched line, no text
constexpr int32_t AlignMask = 24;  // neither bit, or both, align left
constexpr int32_t Right = 8;
constexpr int32_t Center = 16;
}  // namespace LabelStyle

namespace TextAreaStyle {
constexpr int32_t WordWrap = 1;  // without it lines scroll horizontally
constexpr int32_t ReadOnly = 2;
}  // namespace TextAreaStyle

// The operation of an item selection (SelectItem).
namespace ItemSelect {
constexpr int32_t Clear = 0;
constexpr int32_t Set = 1;
constexpr int32_t Toggle = 2;
}  // namespace ItemSelect

// Bits of an item's flags.
namespace ItemFlag {
constexpr int32_t SelectOnSet = 1;  // selected when inserted or set
constexpr int32_t ToggleIcon = 2;   // a toggle item; while selected its icon number is shown one higher
}  // namespace ItemFlag

// Icon numbers of a tool bar's items with a meaning of their own.
namespace ToolBarIcon {
constexpr int32_t Separator = -2;  // the item is a gap between buttons, not a button
}  // namespace ToolBarIcon

// Font style bits of a gadget font, also those of a styled text-area range.
namespace FontStyle {
constexpr int32_t Bold = 1;
constexpr int32_t Italic = 2;
constexpr int32_t Underline = 4;
constexpr int32_t Mask = 7;       // the bits a gadget font keeps; others are dropped
constexpr int32_t Strikeout = 8;  // text-area ranges only: a gadget font has no strikeout
}  // namespace FontStyle

// Native menu tags and the command ids of the items built from them.
namespace MenuTag {
constexpr int32_t First = 100;  // the tag of the program's first menu item
constexpr int32_t CommandOffset =
    100;  // an item's command id is its tag plus this; ids up to it are no items
}  // namespace MenuTag

// Style bits of an HTML view.
namespace HtmlViewStyle {
constexpr int32_t LockNavigation = 2;  // links the user follows are reported, not followed
}  // namespace HtmlViewStyle

// Style bits of a text field.
namespace TextFieldStyle {
constexpr int32_t Password = 1;  // typed characters show as a mask; the text reads back unchanged
}  // namespace TextFieldStyle

// A slider's kind is its style divided by 4; the kinds below are given as style values, to be
// combined with Horizontal (MakeSlider(..., SliderStyle::TrackBar | SliderStyle::Horizontal)).
namespace SliderStyle {
constexpr int32_t Horizontal = 1;  // without it the slider stands upright
constexpr int32_t KindStep = 4;    // the style divided by this gives the kind
constexpr int32_t ScrollBar = 0;   // range: visible part and total
constexpr int32_t TrackBar = 4;    // range: minimum and maximum
constexpr int32_t UpDown = 8;      // range: lower and upper end
}  // namespace SliderStyle

// Style bits of a panel. The group box comes first: with it the other bits but the input ones do
// nothing.
namespace PanelStyle {
constexpr int32_t Plain = 0;      // a container painting its colour or picture, if any
constexpr int32_t Border = 1;     // a sunken edge around the client area
constexpr int32_t Sensitive = 2;  // reports mouse and key input, still painting its background
constexpr int32_t Active = 4;     // reports input and leaves all painting to the program (a canvas)
constexpr int32_t GroupBox = 8;   // a titled frame around the children
}  // namespace PanelStyle

// How a panel shows its picture (the flags of ChangePanelPixmap).
namespace PanelPicture {
constexpr int32_t Tile = 0;     // repeated from the top-left corner
constexpr int32_t Centre = 1;   // once, unscaled, in the middle; the colour fills around it
constexpr int32_t Fit = 2;      // scaled as large as it fits whole, centred; the colour fills around it
constexpr int32_t Stretch = 3;  // scaled to the whole panel, proportions lost
}  // namespace PanelPicture

// Style bits of a combo box.
namespace ComboBoxStyle {
constexpr int32_t Editable = 1;  // text can be typed besides choosing an item
}  // namespace ComboBoxStyle
