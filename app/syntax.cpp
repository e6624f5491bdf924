#include "app/syntax.h"

#include "platform/console.h"
#include "platform/texts.h"

void ShowSyntax() {
  for (const TextId line : {TextId::Syntax1, TextId::Syntax2, TextId::Syntax3, TextId::Syntax4,
                            TextId::Syntax5, TextId::Syntax6}) {
    WriteConsoleLine(Text(line));
  }
}
