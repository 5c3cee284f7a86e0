#pragma once
// The user messages of the program, listed for the message catalogue page, where a
// translator or tester reads every one of them in the current language at once.

#include <QList>

namespace Ui {
class BMSMainWin;
}

struct CatalogueMessage {
    const char* context; // the class whose tr() shows it
    const char* source;  // the English text as written in the code
};

// The first catalogue label is label_2; the labels run on without a gap over both tabs.
// The form has label_2 to label_69; the second tab adds labels for messages beyond them.
constexpr int kFirstCatalogueLabel = 2;
constexpr int kFirstSecondTabLabel = 53;
constexpr int kCatalogueColumns = 3;

QList<CatalogueMessage> messageCatalogue();

// One user message per label of the catalogue page, in the current language; labels beyond
// the form's own are added to the second tab.
void fillMessageCatalogue(Ui::BMSMainWin* ui);
