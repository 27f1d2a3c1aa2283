// The program's fixed texts: titles, the task-list line, the alert text, the Help text and the URL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The maker's host name, fixed when the program is built; it appears in the main and alert
// titles, on the About window's web button and in the URL that button opens.
extern const std::u16string MakerHost;

// The runtime's application title, which message boxes use as their caption.
inline constexpr char16_t ProgramTitle[] = u"Quorvex Varnoc V1.0";
// The program's own executable name; watching goes on while it is the last process listed.
inline constexpr char16_t OwnExeName[] = u"Varnoc.exe";

// "Varnoc V1.0", seven blanks, the host.
std::u16string MainWindowTitle();
// "Quorvex Varnoc V1.0   - ", the host, " -  ".
std::u16string AlertWindowTitle();
// "http://" + host + "/".
std::u16string MakerUrl();
// The text of the About window's second label.
std::u16string MakerNotice();

// One line of the start-up list: "Task N. ", n, four blanks, the name, a carriage return.
std::u16string TaskLine(int32_t n, const std::u16string& name);

// The alert's label text from the time and date of the interception and the name of the task.
std::u16string AlertText(const std::u16string& time, const std::u16string& date, const std::u16string& name);

// Watching ends at the first scan whose last entry is not the program itself; names compare
// character for character, case included.
bool IsOwnExeName(const std::u16string& name);

// The Help window's text: its lines, the title line ChangeGadgetText sets (ending in a carriage
// return) and the body appended after it (no carriage return at its end).
const std::vector<std::u16string>& HelpLines();
std::u16string HelpTitleText();
std::u16string HelpBodyText();
