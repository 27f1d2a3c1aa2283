// The program's fixed texts: titles, the task-list line, the alert text, the Help text and the URL.
#include "app/texts.h"

#include "runtime/text.h"

#ifndef VARNOC_HOST
#error "VARNOC_HOST must name the maker's host (the build defines it)"
#endif

const std::u16string MakerHost = u"" VARNOC_HOST;

std::u16string MainWindowTitle() { return u"Varnoc V1.0       " + MakerHost; }

std::u16string AlertWindowTitle() { return u"Quorvex Varnoc V1.0   - " + MakerHost + u" -  "; }

std::u16string MakerUrl() { return u"http://" + MakerHost + u"/"; }

std::u16string MakerNotice() { return u"Freeware by Quorvex, without warranty."; }

std::u16string TaskLine(int32_t n, const std::u16string& name) {
  return u"Task N. " + IntText(n) + u"    " + name + u"\r";
}

std::u16string AlertText(const std::u16string& time, const std::u16string& date, const std::u16string& name) {
  return u"At  <<  " + time + u"  >>  Of  <<  " + date + u"  >>  Was Intercepted This  <<  " + name +
         u"  >>  New Task";
}

bool IsOwnExeName(const std::u16string& name) { return name == OwnExeName; }

const std::vector<std::u16string>& HelpLines() {
  static const std::vector<std::u16string> lines = {
      u" QUORVEX VARNOC HELP  * ITALIANO * ",
      u" ----------------------------------------------------------------------------------",
      u" questa utility impegna circa il 2% della cpu,",
      u" non viene consigliata la sua esecuzione durante",
      u" un uso quotidiano. Deve essere eseguita prima di allontanarsi dal PC.",
      u" questa utility serve a monitorare il PC durante lunghe",
      u" pause di assenza dell'operatore davanti al PC, per esempio",
      u" durante le ore notturne, quando il PC viene lasciato acceso,",
      u" per scaricare materiale da internet.",
      u" il lancio di un qualsiasi task verr\u00e0 intercettato e visualizzato",
      u" su un piccolo display, esso visualizzer\u00e0 il numero del task e il titolo",
      u" dell'applicazione che si \u00e8 eseguita in modo anomalo .",
      u" questa utility visualizzer\u00e0 unicamente il messaggio di esecuzione abusiva,",
      u" non possiede capacit\u00e0 di bloccare applicazioni indesiderate.",
      u"",
      u"",
      u" QUORVEX VARNOC  * ENGLISH *  HELP",
      u" --------------------------------------------------------------------------------",
      u" this utility undertakes about 2% of cpu, ",
      u" is not recommended during its execution ",
      u" daily use. It must be execute just when you are away from PC.",
      u" this utility is used To monitor ",
      u" the PC during by absence of pc operator,",
      u" eg. at night, when the PC is power on,",
      u" to download files from Internet. ",
      u" the launch of any task will be intercepted and displayed ",
      u" on a small display, it displays number of tasks and title ",
      u" of which is execute in unusual way. ",
      u" this utility will display only the message of enforcement abuse,",
      u" has no ability to block unwanted applications.",
  };
  return lines;
}

std::u16string HelpTitleText() { return HelpLines().front() + u"\r"; }

std::u16string HelpBodyText() {
  const auto& lines = HelpLines();
  std::u16string body;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (i > 1) body += u'\r';
    body += lines[i];
  }
  return body;
}
