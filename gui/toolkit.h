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
// "No gadget driver installed" when no driver is installed; gadget functions given a Null gadget
// raise "Gadget function called with a Null gadget".

// --- creation (the driver's CreateGadget; each answers the new gadget or Null) ---
Ref<TGadget> GetDesktop();
Ref<TGadget> MakeWindow(const std::u16string& title, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style);
// Enter in a text field of the window presses its first shown, enabled push button of style Default.
Ref<TGadget> MakeButton(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style);
// The title comes last.
Ref<TGadget> MakePanel(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style,
                       const std::u16string& title = u"");
// Enter ends the entry (focus to the container) and presses the window's default button, if any.
Ref<TGadget> MakeTextField(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                           int32_t style);
Ref<TGadget> MakeTextArea(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
Ref<TGadget> MakeComboBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
Ref<TGadget> MakeListBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                         int32_t style);
// One button per icon of the strip loaded from `source`: button i shows icon i, no text, no tip.
Ref<TGadget> MakeToolBar(const Ref<TObject>& source, int32_t x, int32_t y, int32_t w, int32_t h,
                         const Ref<TGadget>& group, int32_t style);
Ref<TGadget> MakeTabber(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style);
Ref<TGadget> MakeTreeView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
Ref<TGadget> MakeHtmlView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style);
Ref<TGadget> MakeLabel(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                       const Ref<TGadget>& group, int32_t style);
Ref<TGadget> MakeSlider(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style);
Ref<TGadget> MakeProgressBar(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                             int32_t style);
// An item with a hot key shows it after a tab in its text, in place of any shortcut written after
// a tab ("&Quit\tCtrl+Q"); without one the text shows as written. GetGadgetText answers as written.

// The tag is what the menu's action events carry as data; a non-zero hot key is bound at once.
Ref<TGadget> MakeMenu(const std::u16string& text, int32_t tag, const Ref<TGadget>& parent, int32_t hotkey = 0,
                      int32_t modifiers = 0);
// Attaches graphics with DefaultGraphicsFlags; Null (nothing attached) when no canvas was made.
Ref<TGadget> MakeCanvas(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style);

// --- driver services ---
Ref<TGadget> ActiveGadget();
// 1 and the colour kept for ChosenRed/Green/Blue when one was chosen; 0 (colour kept as it was)
// when cancelled.
int32_t RequestColor(int32_t r, int32_t g, int32_t b);
int32_t ChosenRed();
int32_t ChosenGreen();
int32_t ChosenBlue();
Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font);
Ref<TGuiFont> OpenGuiFont(const std::u16string& name, int32_t size, int32_t bold = 0, int32_t italic = 0,
                          int32_t underline = 0);
// A Null font answers the empty text and 0.
std::u16string GetFontName(const Ref<TGuiFont>& font);
int32_t GetFontSize(const Ref<TGuiFont>& font);
int32_t GetFontStyle(const Ref<TGuiFont>& font);
int32_t SetPointer(int32_t shape);
Ref<TIconStrip> LoadIconStrip(const Ref<TObject>& source);

// --- every gadget ---
int32_t DestroyGadget(const Ref<TGadget>& g);
intptr_t QueryGadgetHandle(const Ref<TGadget>& g, int32_t kind);
int32_t ClientWidth(const Ref<TGadget>& g);
int32_t ClientHeight(const Ref<TGadget>& g);
int32_t GetGadgetX(const Ref<TGadget>& g);
int32_t GetGadgetY(const Ref<TGadget>& g);
int32_t GetGadgetWidth(const Ref<TGadget>& g);
int32_t GetGadgetHeight(const Ref<TGadget>& g);
Ref<TGadget> GetGadgetParent(const Ref<TGadget>& g);
int32_t ReshapeGadget(const Ref<TGadget>& g, int32_t x, int32_t y, int32_t w, int32_t h);
// EdgeMode values.
int32_t SetGadgetEdges(const Ref<TGadget>& g, int32_t left, int32_t right, int32_t top, int32_t bottom);
int32_t RevealGadget(const Ref<TGadget>& g);
int32_t ConcealGadget(const Ref<TGadget>& g);
int32_t EnableGadgetInput(const Ref<TGadget>& g);
int32_t DisableGadgetInput(const Ref<TGadget>& g);
int32_t IsGadgetHidden(const Ref<TGadget>& g);    // 1 or 0
int32_t IsGadgetDisabled(const Ref<TGadget>& g);  // 1 or 0
int32_t FocusGadget(const Ref<TGadget>& g);
int32_t CutFromGadget(const Ref<TGadget>& g);
int32_t CopyFromGadget(const Ref<TGadget>& g);
int32_t PasteIntoGadget(const Ref<TGadget>& g);
int32_t PrintGadget(const Ref<TGadget>& g);
int32_t RepaintGadget(const Ref<TGadget>& g);
int32_t ChangeGadgetText(const Ref<TGadget>& g, const std::u16string& text);
std::u16string GetGadgetText(const Ref<TGadget>& g);
int32_t ChangeGadgetFont(const Ref<TGadget>& g, const Ref<TGuiFont>& font);
// The background colour when `background` is non-zero, else the text colour.
int32_t ChangeGadgetColor(const Ref<TGadget>& g, int32_t r, int32_t gr, int32_t b, int32_t background = 1);
int32_t ChangeGadgetTextColor(const Ref<TGadget>& g, int32_t r, int32_t gr, int32_t b);
int32_t ChangeGadgetAlpha(const Ref<TGadget>& g, float alpha);
int32_t BindGadgetHotKey(const Ref<TGadget>& g, int32_t key, int32_t modifiers);
int32_t InstallGadgetFilter(const Ref<TGadget>& g, TEventFilter filter, const Ref<TObject>& context);
int32_t ChangeGadgetIconStrip(const Ref<TGadget>& g, const Ref<TIconStrip>& strip);

// --- windows ---
// The root menu that menu bar entries are added to.
Ref<TGadget> GetWindowMenuRoot(const Ref<TGadget>& window);
// Must follow every change of the menu tree.
int32_t RebuildWindowMenu(const Ref<TGadget>& window);
int32_t ShowPopupMenu(const Ref<TGadget>& window, const Ref<TGadget>& menu,
                      const Ref<TObject>& extra = nullptr);
int32_t FocusWindow(const Ref<TGadget>& window);
int32_t ChangeStatusText(const Ref<TGadget>& window, const std::u16string& text);
int32_t SetWindowMinimumSize(const Ref<TGadget>& window, int32_t w, int32_t h);
int32_t WindowToMinimized(const Ref<TGadget>& window);
int32_t WindowToMaximized(const Ref<TGadget>& window);
int32_t WindowToNormal(const Ref<TGadget>& window);
int32_t IsWindowMinimized(const Ref<TGadget>& window);
int32_t IsWindowMaximized(const Ref<TGadget>& window);

// --- menus ---
int32_t DestroyMenuEntry(const Ref<TGadget>& menu);
int32_t ChangeMenuText(const Ref<TGadget>& menu, const std::u16string& text);
std::u16string GetMenuText(const Ref<TGadget>& menu);
int32_t TickMenuEntry(const Ref<TGadget>& menu);
int32_t UntickMenuEntry(const Ref<TGadget>& menu);
int32_t EnableMenuEntry(const Ref<TGadget>& menu);
int32_t DisableMenuEntry(const Ref<TGadget>& menu);
int32_t IsMenuTicked(const Ref<TGadget>& menu);
int32_t IsMenuEnabled(const Ref<TGadget>& menu);

// --- buttons, panels, text fields ---
int32_t ChangeButtonCheck(const Ref<TGadget>& button, int32_t checked);
int32_t GetButtonCheck(const Ref<TGadget>& button);
int32_t ChangePanelColor(const Ref<TGadget>& panel, int32_t r, int32_t g, int32_t b);
int32_t ChangePanelPixmap(const Ref<TGadget>& panel, const Ref<TPixmap>& pixmap, int32_t flags);
std::u16string GetTextFieldText(const Ref<TGadget>& field);

// --- text areas (units: TextUnits) ---
int32_t ReplaceTextAreaRange(const Ref<TGadget>& area, const std::u16string& text, int32_t pos,
                             int32_t length, int32_t units);
int32_t AppendTextAreaText(const Ref<TGadget>& area, const std::u16string& text);
std::u16string GetTextAreaRange(const Ref<TGadget>& area, int32_t pos, int32_t length, int32_t units);
int32_t GetTextAreaLength(const Ref<TGadget>& area, int32_t units);
int32_t FreezeTextArea(const Ref<TGadget>& area);
int32_t ThawTextArea(const Ref<TGadget>& area);
int32_t ChangeTextAreaTabs(const Ref<TGadget>& area, int32_t tabs);
int32_t ChangeTextAreaFont(const Ref<TGadget>& area, const Ref<TGuiFont>& font);
int32_t ChangeTextAreaColor(const Ref<TGadget>& area, int32_t r, int32_t g, int32_t b,
                            int32_t background = 1);
int32_t GetTextAreaCursor(const Ref<TGadget>& area, int32_t units);
int32_t GetTextAreaSelectionLength(const Ref<TGadget>& area, int32_t units);
int32_t StyleTextAreaRange(const Ref<TGadget>& area, int32_t r, int32_t g, int32_t b, int32_t flags,
                           int32_t pos, int32_t length, int32_t units);
int32_t SelectTextAreaRange(const Ref<TGadget>& area, int32_t pos, int32_t length, int32_t units);
int32_t TextAreaLineStart(const Ref<TGadget>& area, int32_t line);
int32_t TextAreaLineOf(const Ref<TGadget>& area, int32_t index);

// --- entries of combo boxes, list boxes, tabbers and tool bars ---
int32_t ClearGadgetEntries(const Ref<TGadget>& g);
int32_t AppendGadgetEntry(const Ref<TGadget>& g, const std::u16string& text, int32_t flags = 0,
                          int32_t icon = -1, const std::u16string& tip = u"",
                          const Ref<TObject>& extra = nullptr);
int32_t InsertGadgetEntry(const Ref<TGadget>& g, int32_t index, const std::u16string& text, int32_t flags = 0,
                          int32_t icon = -1, const std::u16string& tip = u"",
                          const Ref<TObject>& extra = nullptr);
int32_t ChangeGadgetEntry(const Ref<TGadget>& g, int32_t index, const std::u16string& text, int32_t flags = 0,
                          int32_t icon = -1, const std::u16string& tip = u"",
                          const Ref<TObject>& extra = nullptr);
int32_t DeleteGadgetEntry(const Ref<TGadget>& g, int32_t index);
int32_t EnableGadgetEntry(const Ref<TGadget>& g, int32_t index);
int32_t DisableGadgetEntry(const Ref<TGadget>& g, int32_t index);
// Index -1 means every entry.
int32_t SelectGadgetEntry(const Ref<TGadget>& g, int32_t index);
int32_t DeselectGadgetEntry(const Ref<TGadget>& g, int32_t index);
int32_t ToggleGadgetEntry(const Ref<TGadget>& g, int32_t index);
int32_t GetSelectedEntry(const Ref<TGadget>& g);
std::vector<int32_t> GetSelectedEntries(const Ref<TGadget>& g);
int32_t CountGadgetEntries(const Ref<TGadget>& g);
std::u16string GetEntryText(const Ref<TGadget>& g, int32_t index);
int32_t GetEntryIcon(const Ref<TGadget>& g, int32_t index);
Ref<TObject> GetEntryExtra(const Ref<TGadget>& g, int32_t index);
int32_t GetEntryFlags(const Ref<TGadget>& g, int32_t index);
// Tips in button order; an empty entry (the null text) is skipped without using up a button, and
// tips beyond the last button are ignored.
int32_t ChangeToolBarTips(const Ref<TGadget>& toolbar, const std::vector<std::u16string>& tips);

// --- tree views ---
Ref<TGadget> GetTreeRoot(const Ref<TGadget>& treeview);
Ref<TGadget> AppendTreeNode(const std::u16string& text, const Ref<TGadget>& node, int32_t icon = -1);
Ref<TGadget> InsertTreeNode(int32_t index, const std::u16string& text, const Ref<TGadget>& node,
                            int32_t icon = -1);
int32_t ChangeTreeNode(const Ref<TGadget>& node, const std::u16string& text, int32_t icon = -1);
Ref<TGadget> GetSelectedTreeNode(const Ref<TGadget>& treeview);
int32_t CountTreeNodes(const Ref<TGadget>& node);
int32_t SelectTreeNode(const Ref<TGadget>& node);
int32_t ExpandTreeNode(const Ref<TGadget>& node);
int32_t CollapseTreeNode(const Ref<TGadget>& node);
int32_t DestroyTreeNode(const Ref<TGadget>& node);

// --- HTML views ---
int32_t NavigateHtmlView(const Ref<TGadget>& view, const std::u16string& url);
int32_t HtmlViewGoBack(const Ref<TGadget>& view);
int32_t HtmlViewGoForward(const Ref<TGadget>& view);
int32_t GetHtmlViewState(const Ref<TGadget>& view);
std::u16string GetHtmlViewAddress(const Ref<TGadget>& view);
std::u16string RunHtmlViewScript(const Ref<TGadget>& view, const std::u16string& script);

// --- sliders, progress bars, canvases ---
int32_t ChangeSliderRange(const Ref<TGadget>& slider, int32_t a, int32_t b);
int32_t ChangeSliderPosition(const Ref<TGadget>& slider, int32_t value);
int32_t GetSliderPosition(const Ref<TGadget>& slider);
int32_t ChangeProgressValue(const Ref<TGadget>& bar, float value);
Ref<TGraphics> CanvasGraphics(const Ref<TGadget>& canvas);
