// The toolkit's public functions: creation through the active driver, driver services, and the
// operations of gadgets of every kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/constants.h"
#include "gui/driver.h"
#include "gui/font.h"
#include "gui/gadget.h"
#include "gui/hotkey.h"
#include "gui/iconstrip.h"
#include "gui/pixmap.h"
#include "gui/proxy.h"

// Functions without a result of their own answer 0. Creation functions and driver services raise
// "<function>: no gadget driver installed (call Win32GuiModuleStart first)" when no driver is
// installed; gadget functions given a Null gadget raise "Gadget function called with a Null
// gadget". A creation function of a kind that lives in a group (all but a window and a menu)
// refuses a Null group, and every creation function a freed group, with a runtime error naming
// itself and the group. Every function here raises a runtime error naming itself and
// PostMainThreadCall when called from a thread other than the main one. On a freed gadget the
// functions change nothing and answer 0, the empty text or Null (the entry functions: a freed list
// reads as empty, GetSelectedEntry -1).

// Every gadget answers the platform's accessibility queries (a screen reader's name and role of
// its window): its name is its text as it shows (an access key's '&' left out), and a gadget whose
// own text is what the user types or chooses (text field, text area, combo box, list box, tree
// view, tabber, slider, progress bar) takes the text of the label made before it in the same
// group, past other such gadgets and empty labels but never past any other gadget; its role is
// the platform's for its kind (push button, check box, radio button, grouping, static text,
// text, list, combo box, outline, page tab list, slider, spin button, scroll bar, progress bar,
// tool bar, separator), a window and a canvas a client area, a panel a pane, a tabber's page area a
// property page named by the tab shown. Both follow the program's changes.

// --- creation (the driver's CreateGadget; each answers the new gadget or Null) ---
// Beside each: the events its gadget sends (ids of event/event.h) and what their data and extra
// carry; x, y and mods are 0 and the extra Null unless said, and the source is the gadget (its
// proxy's when it stands behind one). The events report what the user does: a change the program
// makes itself through these functions sends nothing, unless said. Every kind also sends
// GadgetAction (0x2001), data 0, for a hot key bound with BindGadgetHotKey. In the entry kinds
// (combo box, list box, tabber, tool bar) an event about an entry carries the entry's extra, and
// an entry with ItemFlag::ToggleIcon is toggled before its event is sent.

// Sends nothing.
Ref<TGadget> GetDesktop();
// Sends WindowClose (0x4003) for the close box, the window staying open until the program frees
// or hides it; WindowMove (0x4001), x, y the new position, none while maximised; WindowSize
// (0x4002), x, y the new width and height (the previous ones when minimised); WindowActivate
// (0x4004) when it becomes the active window; WindowAccept (0x4005) for each file dropped on an
// AcceptFiles window, x, y the drop point in its client area, extra the path as text; WindowScale
// (0x4006), data the new DPI, x, y the new width and height, once the window has moved to a screen
// of another scale (or the scale changed) and every gadget in it is laid out and lettered for it:
// a canvas repaints at its new GadgetScale. With ClientCoords the positions and sizes are the
// client area's. The exception: moves, resizes, minimising, maximising, restoring and showing by
// the program send these too, as they report the window's shape and activation whoever changed
// them. The application gaining or losing the activation sends AppResume (0x102) or AppSuspend
// (0x101) with no source.
Ref<TGadget> MakeWindow(const std::u16string& title, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style);
// Sends GadgetAction (0x2001) when the user clicks it (or presses Space on it): data 1 when a
// check box or radio button is checked after the click, else 0. ChangeButtonCheck and
// ChangeGadgetText send nothing.
// Enter in a text field of the window presses its first shown, enabled push button of style Default,
// and Enter on a focused push button presses that one. Escape presses the window's first shown,
// enabled Cancel button (without one, its OK button); Tab and Shift+Tab visit every control.
Ref<TGadget> MakeButton(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style);
// The title comes last. A plain panel or group box sends nothing. With PanelStyle::Sensitive or
// Active it sends the system driver's mouse and key events for the user's input over it
// (MouseDown, MouseUp, MouseMove, MouseWheel, MouseEnter, MouseLeave, x, y in its client area;
// KeyDown, KeyRepeat, KeyUp, KeyChar while it has the focus), data as the system driver gives
// them. Active (a canvas) also sends GadgetPaint (0x2002), data 0, for every repaint it needs;
// the exception: also for those the program causes (RepaintGadget, a colour, picture or size
// change), as the program paints it.
Ref<TGadget> MakePanel(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style,
                       const std::u16string& title = u"");
// Sends GadgetAction (0x2001), data 0, for each edit the user makes to the text, and
// GadgetLostFocus (0x2008), data 0, when the focus leaves it. ChangeGadgetText sends nothing. A
// key filter (InstallGadgetFilter) sees KeyDown and KeyChar before the field does.
// Enter ends the entry (focus to the container) and presses the window's default button, if any.
Ref<TGadget> MakeTextField(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                           int32_t style);
// Sends GadgetAction (0x2001), data 0, when the user changes the text; GadgetSelect (0x2003), data
// 0, when the user moves the caret or the selection; GadgetMenu (0x2004), data 0, x, y the point
// in its client area, for a right click (which first moves the caret there when nothing is
// selected) and at the caret for the menu key or Shift+F10; GadgetLostFocus (0x2008), data 0,
// when the focus leaves it. ChangeGadgetText, the text area functions and Cut/Copy/PasteIntoGadget
// send nothing. A key filter sees KeyDown and KeyChar before the area does.
Ref<TGadget> MakeTextArea(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
// Sends GadgetAction (0x2001) when the user chooses an entry: data its index, extra its extra. An
// editable box also sends it for each change the user types: data -1 (or the index of the entry
// the typing chose). Selecting, changing entries and ChangeGadgetText send nothing.
// `h` is the height of the gadget's rectangle, the one layout moves; it is not the drop-down
// list's height. The box shows one line at the top of that rectangle, whatever `h`, and its list
// drops below with a height of its own. Give `h` the height of one line (24 or so): with a taller
// rectangle the box sits at its top, and as the window grows, layout moves the rectangle's middle
// (edges left Free) or stretches it (top and bottom Aligned), so the box sinks or drifts.
Ref<TGadget> MakeComboBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
// Sends GadgetSelect (0x2003) when the user selects another entry: data its index, extra its extra
// (the same entry again sends nothing); data -1 when a click beside the entries drops the
// selection. GadgetAction (0x2001) for a double click and GadgetMenu (0x2004) for a right click,
// the menu key or Shift+F10: data the selected index, -1 for none. Selecting and changing entries
// send nothing.
Ref<TGadget> MakeListBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                         int32_t style);
// One button per icon of the strip loaded from `source`: button i shows icon i, no text, no tip.
// Sends GadgetAction (0x2001) when the user presses a button: data its entry index, extra its
// extra. Selecting, enabling and changing entries send nothing.
Ref<TGadget> MakeToolBar(const Ref<TObject>& source, int32_t x, int32_t y, int32_t w, int32_t h,
                         const Ref<TGadget>& group, int32_t style);
// Sends GadgetAction (0x2001) when the user chooses a tab: data its index, extra its extra (-1
// while it has no entries). Selecting and changing entries send nothing.
Ref<TGadget> MakeTabber(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style);
// Sends, data a number naming the node and extra the node's gadget: GadgetSelect (0x2003) when the
// user selects a node; GadgetOpen (0x2005) and GadgetClose (0x2006) when the user expands or
// collapses one; GadgetAction (0x2001) for a double click or Enter, on the selected node (data 0
// and no extra when none is); GadgetMenu (0x2004) for a right click on a node's row, x, y the
// pointer on the screen (nothing below the rows), and for the menu key or Shift+F10 on the
// focused node, x, y its row's left middle on the screen. Inserting, changing, selecting, expanding,
// collapsing and destroying nodes send nothing.
Ref<TGadget> MakeTreeView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
// Sends GadgetDone (0x2007), data 0, whenever a document has finished loading; the exception: also
// for the program's own navigation, which it tells is done (GetHtmlViewAddress then answers the
// address). With HtmlViewStyle::LockNavigation a link the user follows is not taken but sent:
// GadgetAction (0x2001), data 0, extra the link's address as text; the program's navigation
// sends no GadgetAction.
Ref<TGadget> MakeHtmlView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
// Sends nothing.
Ref<TGadget> MakeLabel(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                       const Ref<TGadget>& group, int32_t style);
// Sends GadgetAction (0x2001) when the user moves it (a scroll bar's arrows, page areas or thumb,
// a track bar's thumb or keys, an up-down's arrows): data the new position. ChangeSliderRange and
// ChangeSliderPosition send nothing.
Ref<TGadget> MakeSlider(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style);
// Sends nothing.
Ref<TGadget> MakeProgressBar(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                             int32_t style);
// An item with a hot key shows it after a tab in its text, in place of any shortcut written after
// a tab ("&Quit\tCtrl+Q"); without one the text shows as written. GetGadgetText answers as written.
// The tag is what the menu's action events carry as data; a non-zero hot key is bound at once.
// Sends MenuAction (0x8001) when the user chooses the entry from a menu bar or a popup menu, or
// presses its hot key: data its tag, extra the extra given to ShowPopupMenu for a popup's choice.
// Changing, ticking, enabling and rebuilding menus send nothing.
Ref<TGadget> MakeMenu(const std::u16string& text, int32_t tag, const Ref<TGadget>& parent, int32_t hotkey = 0,
                      int32_t modifiers = 0);
// Attaches graphics with DefaultGraphicsFlags; Null (nothing attached) when no canvas was made.
// Sends what an Active panel sends (MakePanel), GadgetPaint included. A drag: a button pressed over
// the canvas captures the pointer to it until a button is released, so MouseMove (data the held
// button) and the MouseUp keep coming from the canvas while the pointer is outside it, even outside
// the window, with x, y still in its client area (below 0 or past its size). Leaving the canvas
// sends MouseLeave during the drag too; the moves go on after it.
Ref<TGadget> MakeCanvas(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style);

// --- driver services ---
// The gadget that has the keyboard focus, or Null when none of the program's has it.
Ref<TGadget> ActiveGadget();
// 1 and the colour kept for ChosenRed/Green/Blue when one was chosen; 0 (colour kept as it was)
// when cancelled.
int32_t RequestColor(int32_t r, int32_t g, int32_t b);
// The red (0..255) of the colour last chosen in RequestColor; 0 until one was chosen.
int32_t ChosenRed();
// The green (0..255) of the colour last chosen in RequestColor.
int32_t ChosenGreen();
// The blue (0..255) of the colour last chosen in RequestColor.
int32_t ChosenBlue();
// Shows the platform's font chooser starting at `font` (may be Null); the chosen font, or Null when
// cancelled.
Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font);
// A font of the family `name` at `size` points, with the styles whose flags are non-zero; Null when
// the platform makes none. The platform takes family names of at most 31 UTF-16 units (any
// script, "ＭＳ ゴシック" too): a longer name is cut before a surrogate pair that would not fit.
Ref<TGuiFont> OpenGuiFont(const std::u16string& name, int32_t size, int32_t bold = 0, int32_t italic = 0,
                          int32_t underline = 0);
// A Null font answers the empty text and 0.
std::u16string GetFontName(const Ref<TGuiFont>& font);
// The font's size in points.
int32_t GetFontSize(const Ref<TGuiFont>& font);
// The font's FontStyle bits.
int32_t GetFontStyle(const Ref<TGuiFont>& font);
// Changes the mouse pointer's shape (0 and 1 the arrow, 2..14 the platform's other shapes); other
// numbers give the arrow.
int32_t SetPointer(int32_t shape);
// An icon strip from a pixmap or anything a pixmap loads from (a text naming an image file): square
// icons as high as the picture, side by side. Null when nothing loads.
Ref<TIconStrip> LoadIconStrip(const Ref<TObject>& source);

// --- every gadget ---
// Closes the gadget's native element at once, with its children, and detaches it from its parent.
// The program's references stay valid but name a dead gadget. Freeing menu entries is refused, with
// nothing changed, by the runtime error "Unable to release menu child" when an entry below would
// outlive the free.
int32_t DestroyGadget(const Ref<TGadget>& g);
// The platform handle behind the gadget (QueryKind::NativeHandle or ClientHandle: an HWND); 0 for
// any other kind or a gadget without one.
intptr_t QueryGadgetHandle(const Ref<TGadget>& g, int32_t kind);
// The width of the gadget's client area: what its children have room in.
int32_t ClientWidth(const Ref<TGadget>& g);
// The height of the gadget's client area.
int32_t ClientHeight(const Ref<TGadget>& g);
// The gadget's left edge in its parent's client coordinates, as last set or reported.
int32_t GetGadgetX(const Ref<TGadget>& g);
// The gadget's top edge in its parent's client coordinates.
int32_t GetGadgetY(const Ref<TGadget>& g);
// The gadget's width, as last set or reported.
int32_t GetGadgetWidth(const Ref<TGadget>& g);
// The gadget's height, as last set or reported.
int32_t GetGadgetHeight(const Ref<TGadget>& g);
// The group the gadget was made in; Null for the desktop.
Ref<TGadget> GetGadgetParent(const Ref<TGadget>& g);
// Moves and sizes the gadget, lays its children out anew and makes this the base its edges follow
// from.
int32_t ReshapeGadget(const Ref<TGadget>& g, int32_t x, int32_t y, int32_t w, int32_t h);
// Sets how each edge follows the parent's client size (EdgeMode values) and makes the rectangle now
// the base they follow from. An edge never set is Free. Aligned keeps the edge's distance to the
// same edge of the parent, Relative keeps its place as a fraction of the parent's size, Free lets it
// follow the other edge of the axis at the gadget's own size. With both edges of an axis Free (as
// every gadget starts) the size stays and the middle moves in proportion to the parent: a gadget
// made at the middle stays at the middle, one near the bottom drifts as the parent grows.
int32_t SetGadgetEdges(const Ref<TGadget>& g, int32_t left, int32_t right, int32_t top, int32_t bottom);
// Shows the gadget with its children; sends nothing.
int32_t RevealGadget(const Ref<TGadget>& g);
// Hides the gadget with its children; sends nothing.
int32_t ConcealGadget(const Ref<TGadget>& g);
// Lets the gadget take the user's input again; sends nothing.
int32_t EnableGadgetInput(const Ref<TGadget>& g);
// Refuses the user's input to the gadget, which shows greyed out; sends nothing.
int32_t DisableGadgetInput(const Ref<TGadget>& g);
int32_t IsGadgetHidden(const Ref<TGadget>& g);    // 1 or 0
int32_t IsGadgetDisabled(const Ref<TGadget>& g);  // 1 or 0
// Gives the gadget the keyboard focus; a window passes it to its first child that takes the Tab key
// (itself when none does).
int32_t FocusGadget(const Ref<TGadget>& g);
// Cuts the selected text of a text field, text area or editable combo box to the clipboard, as the
// user's keys would, but sends nothing: the program's change is not the user's edit. Other gadgets
// (a drop-down list among them) ignore it.
int32_t CutFromGadget(const Ref<TGadget>& g);
// Copies the selected text to the clipboard, like CutFromGadget.
int32_t CopyFromGadget(const Ref<TGadget>& g);
// Pastes the clipboard's text over the selection, as the user's keys would; sends nothing, like
// CutFromGadget.
int32_t PasteIntoGadget(const Ref<TGadget>& g);
// Prints a text area through the platform's print dialog; other gadgets ignore it.
int32_t PrintGadget(const Ref<TGadget>& g);
// Marks the whole gadget for painting; a canvas then sends GadgetPaint.
int32_t RepaintGadget(const Ref<TGadget>& g);
// Changes the gadget's text: a window's title, a button's or label's caption, a text field's or
// text area's content, an HTML view's address. A text field sends no event for it: only the user's
// typing is reported. Every character is kept (UTF-16, surrogate pairs included); a window's
// title, a button's, label's or field's text shows at most 4095 UTF-16 units, cut before a pair
// that would not fit whole, and a NUL inside the text ends what shows (GetGadgetText answers the
// text as given, for the kinds that keep it). An unpaired surrogate is passed on as it is.
int32_t ChangeGadgetText(const Ref<TGadget>& g, const std::u16string& text);
// The gadget's text as it shows now (what the user typed, for text fields and editable combo
// boxes).
std::u16string GetGadgetText(const Ref<TGadget>& g);
// Shows the gadget's text in `font`, a font from OpenGuiFont or RequestFont.
int32_t ChangeGadgetFont(const Ref<TGadget>& g, const Ref<TGuiFont>& font);
// The background colour when `background` is non-zero, else the text colour.
int32_t ChangeGadgetColor(const Ref<TGadget>& g, int32_t r, int32_t gr, int32_t b, int32_t background = 1);
// Colours the gadget's text (0..255 each).
int32_t ChangeGadgetTextColor(const Ref<TGadget>& g, int32_t r, int32_t gr, int32_t b);
// Panels only: at 0 a panel paints no background (its parent shows through), above 0 its colour or
// picture; other gadgets ignore it.
int32_t ChangeGadgetAlpha(const Ref<TGadget>& g, float alpha);
// Binds a key (a virtual key code with ModShift, ModControl, ModAlt bits) to the gadget: pressing
// it in the gadget's window sends the gadget's GadgetAction (a menu entry's MenuAction), as a press
// of the gadget would. Key 0 unbinds.
int32_t BindGadgetHotKey(const Ref<TGadget>& g, int32_t key, int32_t modifiers);
// Sets the gadget's key filter: each KeyDown and KeyChar meant for it is first given to `filter`
// with `context`, and reaches the gadget only when the filter answers non-zero. A null filter
// removes it.
int32_t InstallGadgetFilter(const Ref<TGadget>& g, TEventFilter filter, const Ref<TObject>& context);
// The icons a list box, tabber, tool bar or tree view shows: an entry's or node's icon number is
// its index in the strip.
int32_t ChangeGadgetIconStrip(const Ref<TGadget>& g, const Ref<TIconStrip>& strip);

// --- windows ---
// The root menu that menu bar entries are added to.
Ref<TGadget> GetWindowMenuRoot(const Ref<TGadget>& window);
// Must follow every change of the menu tree.
int32_t RebuildWindowMenu(const Ref<TGadget>& window);
// Shows the items below `menu` (an entry of no window) at the pointer, owned by `window`, and
// returns once the user chose or left. Shown for a GadgetMenu the keyboard asked for (the menu key
// or Shift+F10, with no mouse button or other key pressed since), it opens at the entry, node or
// caret that asked instead; the chosen item sends MenuAction with `extra` as the event's
// extra. Refused while another popup is shown (from a hook or timer run by its menu): it then
// returns at once and sends nothing.
int32_t ShowPopupMenu(const Ref<TGadget>& window, const Ref<TGadget>& menu,
                      const Ref<TObject>& extra = nullptr);
// Gives the keyboard focus to the window's first child that takes the Tab key (the window itself
// when none does), as FocusGadget.
int32_t FocusWindow(const Ref<TGadget>& window);
// The text of the window's status bar (a window made with WindowStyle::StatusBar); sends nothing.
// At most 4095 UTF-16 units show, cut before a surrogate pair that would not fit whole; a NUL ends
// what shows.
int32_t ChangeStatusText(const Ref<TGadget>& window, const std::u16string& text);
// The smallest size the user can drag the window to.
int32_t SetWindowMinimumSize(const Ref<TGadget>& window, int32_t w, int32_t h);
// Minimises the window, as its title bar's button would; the resulting WindowSize is sent.
int32_t WindowToMinimized(const Ref<TGadget>& window);
// Maximises the window; the resulting WindowSize is sent.
int32_t WindowToMaximized(const Ref<TGadget>& window);
// Restores a minimised or maximised window; the resulting WindowSize is sent.
int32_t WindowToNormal(const Ref<TGadget>& window);
// 1 when the window is minimised, else 0.
int32_t IsWindowMinimized(const Ref<TGadget>& window);
// 1 when the window is maximised, else 0.
int32_t IsWindowMaximized(const Ref<TGadget>& window);

// --- menus ---
// Frees the entry with the entries below it; shows once the menu is rebuilt (RebuildWindowMenu). A
// freed entry chosen from a menu still open sends nothing.
int32_t DestroyMenuEntry(const Ref<TGadget>& menu);
// The entry's text; `&` marks the letter that chooses it. Shows once the menu is rebuilt. The shown
// label holds at most 255 UTF-16 units with its shortcut: a longer text is cut before a surrogate
// pair that would not fit whole; a NUL ends the label. GetMenuText answers the text as given.
int32_t ChangeMenuText(const Ref<TGadget>& menu, const std::u16string& text);
// The entry's text as given.
std::u16string GetMenuText(const Ref<TGadget>& menu);
// Shows a tick beside the entry (once the menu is rebuilt); sends nothing.
int32_t TickMenuEntry(const Ref<TGadget>& menu);
// Removes the entry's tick (once the menu is rebuilt); sends nothing.
int32_t UntickMenuEntry(const Ref<TGadget>& menu);
// Lets the user choose the entry again (once the menu is rebuilt).
int32_t EnableMenuEntry(const Ref<TGadget>& menu);
// Greys the entry out: it cannot be chosen (once the menu is rebuilt).
int32_t DisableMenuEntry(const Ref<TGadget>& menu);
// 1 when the entry is ticked, else 0.
int32_t IsMenuTicked(const Ref<TGadget>& menu);
// 1 when the entry can be chosen, else 0.
int32_t IsMenuEnabled(const Ref<TGadget>& menu);

// --- buttons, panels, text fields ---
// Checks (non-zero) or clears a check box or radio button; sends nothing.
int32_t ChangeButtonCheck(const Ref<TGadget>& button, int32_t checked);
// 1 when the check box or radio button is checked, else 0.
int32_t GetButtonCheck(const Ref<TGadget>& button);
// The colour a panel paints its background with (and around a picture that leaves room).
int32_t ChangePanelColor(const Ref<TGadget>& panel, int32_t r, int32_t g, int32_t b);
// The picture a panel shows, kept and repainted by the panel; `flags` is a PanelPicture mode. Null
// removes it.
int32_t ChangePanelPixmap(const Ref<TGadget>& panel, const Ref<TPixmap>& pixmap, int32_t flags);
// What the text field holds now, as the user typed it.
std::u16string GetTextFieldText(const Ref<TGadget>& field);

// --- text areas (units: TextUnits) ---
// Replaces `length` units from `pos` with `text` (`pos` is kept inside the text; a negative length,
// or one past the end, reaches the end); sends no event.
int32_t ReplaceTextAreaRange(const Ref<TGadget>& area, const std::u16string& text, int32_t pos,
                             int32_t length, int32_t units);
// Adds `text` at the end, the caret following it; sends no event.
int32_t AppendTextAreaText(const Ref<TGadget>& area, const std::u16string& text);
// The text of `length` units from `pos` (a negative length: to the end).
std::u16string GetTextAreaRange(const Ref<TGadget>& area, int32_t pos, int32_t length, int32_t units);
// The number of characters or lines the area holds.
int32_t GetTextAreaLength(const Ref<TGadget>& area, int32_t units);
// Stops redrawing and reporting the area while the program makes many changes; freezes nest.
int32_t FreezeTextArea(const Ref<TGadget>& area);
// Undoes one FreezeTextArea; after the last it shows the result and puts back the selection and
// focus the freeze found, except what the program changed meanwhile: a selection it set stays, and
// a focus it gave to another gadget stays there (the area then sends GadgetLostFocus).
int32_t ThawTextArea(const Ref<TGadget>& area);
// The width of a tab stop.
int32_t ChangeTextAreaTabs(const Ref<TGadget>& area, int32_t tabs);
// The font of the whole area's text.
int32_t ChangeTextAreaFont(const Ref<TGadget>& area, const Ref<TGuiFont>& font);
// The area's background colour when `background` is non-zero, else the colour of its whole text.
int32_t ChangeTextAreaColor(const Ref<TGadget>& area, int32_t r, int32_t g, int32_t b,
                            int32_t background = 1);
// The caret's position in `units`.
int32_t GetTextAreaCursor(const Ref<TGadget>& area, int32_t units);
// The length of the selection in `units`.
int32_t GetTextAreaSelectionLength(const Ref<TGadget>& area, int32_t units);
// Colours `length` units from `pos` and gives them the FontStyle bits in `flags`; sends no event.
int32_t StyleTextAreaRange(const Ref<TGadget>& area, int32_t r, int32_t g, int32_t b, int32_t flags,
                           int32_t pos, int32_t length, int32_t units);
// Selects `length` units from `pos`; sends no event.
int32_t SelectTextAreaRange(const Ref<TGadget>& area, int32_t pos, int32_t length, int32_t units);
// The character index where `line` begins.
int32_t TextAreaLineStart(const Ref<TGadget>& area, int32_t line);
// The line the character at `index` is on.
int32_t TextAreaLineOf(const Ref<TGadget>& area, int32_t index);

// --- entries of combo boxes, list boxes, tabbers and tool bars ---
// Removes every entry.
int32_t ClearGadgetEntries(const Ref<TGadget>& g);
// Adds an entry at the end: its text, ItemFlag bits, icon (-1 none), tip and extra object.
// ItemFlag::SelectOnSet selects it.
int32_t AppendGadgetEntry(const Ref<TGadget>& g, const std::u16string& text, int32_t flags = 0,
                          int32_t icon = -1, const std::u16string& tip = u"",
                          const Ref<TObject>& extra = nullptr);
// Inserts an entry before `index` (the count: at the end), like AppendGadgetEntry. Refuses an index
// below 0 or above the count with a runtime error.
int32_t InsertGadgetEntry(const Ref<TGadget>& g, int32_t index, const std::u16string& text, int32_t flags = 0,
                          int32_t icon = -1, const std::u16string& tip = u"",
                          const Ref<TObject>& extra = nullptr);
// Replaces everything of the entry at `index`. Refuses an index outside the entries with a runtime
// error.
int32_t ChangeGadgetEntry(const Ref<TGadget>& g, int32_t index, const std::u16string& text, int32_t flags = 0,
                          int32_t icon = -1, const std::u16string& tip = u"",
                          const Ref<TObject>& extra = nullptr);
// Removes the entry at `index`. Refuses an index outside the entries with a runtime error.
int32_t DeleteGadgetEntry(const Ref<TGadget>& g, int32_t index);
// Lets the user choose the entry at `index` again.
int32_t EnableGadgetEntry(const Ref<TGadget>& g, int32_t index);
// Refuses the user the entry at `index` (a tool bar button greys out).
int32_t DisableGadgetEntry(const Ref<TGadget>& g, int32_t index);
// Index -1 means every entry.
int32_t SelectGadgetEntry(const Ref<TGadget>& g, int32_t index);
// Deselects the entry at `index` (-1: every entry).
int32_t DeselectGadgetEntry(const Ref<TGadget>& g, int32_t index);
// Selects the entry at `index` when it is not, else deselects it (-1: every entry).
int32_t ToggleGadgetEntry(const Ref<TGadget>& g, int32_t index);
// The index of the selected entry, or -1 when none is.
int32_t GetSelectedEntry(const Ref<TGadget>& g);
// The indices of every selected entry, in order.
std::vector<int32_t> GetSelectedEntries(const Ref<TGadget>& g);
// The number of entries.
int32_t CountGadgetEntries(const Ref<TGadget>& g);
// The text of the entry at `index`; an index outside the entries raises a runtime error.
std::u16string GetEntryText(const Ref<TGadget>& g, int32_t index);
// The icon number of the entry at `index` (-1: none).
int32_t GetEntryIcon(const Ref<TGadget>& g, int32_t index);
// The extra object the entry at `index` was given.
Ref<TObject> GetEntryExtra(const Ref<TGadget>& g, int32_t index);
// The ItemFlag bits of the entry at `index`.
int32_t GetEntryFlags(const Ref<TGadget>& g, int32_t index);
// Tips in button order; an empty entry (the null text) is skipped without using up a button, and
// tips beyond the last button are ignored.
int32_t ChangeToolBarTips(const Ref<TGadget>& toolbar, const std::vector<std::u16string>& tips);

// --- tree views ---
// The tree view's invisible root node: its children are the top-level nodes.
Ref<TGadget> GetTreeRoot(const Ref<TGadget>& treeview);
// A new node with `text` and `icon` (-1 none) as the last child of `node`; answers it. Sends
// nothing.
Ref<TGadget> AppendTreeNode(const std::u16string& text, const Ref<TGadget>& node, int32_t icon = -1);
// A new node before the child at `index` of `node`; answers it. Sends nothing.
Ref<TGadget> InsertTreeNode(int32_t index, const std::u16string& text, const Ref<TGadget>& node,
                            int32_t icon = -1);
// The node's text and icon; sends nothing.
int32_t ChangeTreeNode(const Ref<TGadget>& node, const std::u16string& text, int32_t icon = -1);
// The selected node, or Null.
Ref<TGadget> GetSelectedTreeNode(const Ref<TGadget>& treeview);
// The number of children of `node`.
int32_t CountTreeNodes(const Ref<TGadget>& node);
// Selects the node.
int32_t SelectTreeNode(const Ref<TGadget>& node);
// Shows the node's children.
int32_t ExpandTreeNode(const Ref<TGadget>& node);
// Hides the node's children.
int32_t CollapseTreeNode(const Ref<TGadget>& node);
// Removes the node with its children.
int32_t DestroyTreeNode(const Ref<TGadget>& node);

// --- HTML views ---
// Opens `url` in the view; with HtmlViewStyle::LockNavigation the links the user follows are only
// reported (GadgetAction with the URL as the extra).
int32_t NavigateHtmlView(const Ref<TGadget>& view, const std::u16string& url);
// Goes back in the view's history.
int32_t HtmlViewGoBack(const Ref<TGadget>& view);
// Goes forward in the view's history.
int32_t HtmlViewGoForward(const Ref<TGadget>& view);
// The view's ready state: 0 uninitialised up to 4 complete.
int32_t GetHtmlViewState(const Ref<TGadget>& view);
// The address of the page shown.
std::u16string GetHtmlViewAddress(const Ref<TGadget>& view);
// Runs `script` in the page and answers its result as text; the empty text without a page.
std::u16string RunHtmlViewScript(const Ref<TGadget>& view, const std::u16string& script);

// --- sliders, progress bars, canvases ---
// The slider's range (SliderStyle says what `a` and `b` mean for its kind).
int32_t ChangeSliderRange(const Ref<TGadget>& slider, int32_t a, int32_t b);
// Moves the slider; sends nothing.
int32_t ChangeSliderPosition(const Ref<TGadget>& slider, int32_t value);
// The slider's position.
int32_t GetSliderPosition(const Ref<TGadget>& slider);
// How far the bar is filled: 0 to 1 (outside: clamped; not a number: 0).
int32_t ChangeProgressValue(const Ref<TGadget>& bar, float value);
// The drawing context attached to the canvas; Null with the Win32 driver, which leaves painting to
// the program (GadgetPaint).
Ref<TGraphics> CanvasGraphics(const Ref<TGadget>& canvas);
// The screen's pixels per unit of the gadget's shape: its window's DPI / 96 (1.5 at 144 DPI). Every
// position and size the toolkit takes and answers is in 96-DPI units and scaled where it meets the
// screen; a canvas multiplies by this to draw one line per pixel, a panel picks the picture made
// for this scale. It changes with WindowScale. Sends nothing; refuses none but a Null gadget.
float GadgetScale(const Ref<TGadget>& g);
