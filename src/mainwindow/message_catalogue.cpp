#include "mainwindow/message_catalogue.h"

#include "ui_bms_main_win.h"

#include <QCoreApplication>
#include <QLabel>
#include <QtGlobal>

namespace {
// A label like the form's own, in the next cell of the second tab; the stretch that keeps
// the labels at the top moves below it.
QLabel* addCatalogueLabel(Ui::BMSMainWin* ui, int number) {
    auto* label = new QLabel(ui->tab_2);
    label->setObjectName(QString("label_%1").arg(number));
    label->setWordWrap(true);
    label->setMinimumHeight(ui->label_53->minimumHeight());
    const int cell = number - kFirstSecondTabLabel;
    const int row = cell / kCatalogueColumns;
    ui->gridLayout_8->setRowStretch(row, 0);
    ui->gridLayout_8->setRowStretch(row + 1, 1);
    ui->gridLayout_8->addWidget(label, row, cell % kCatalogueColumns);
    return label;
}
} // namespace

QList<CatalogueMessage> messageCatalogue() {
    // Grouped as the pages meet them: link and window, real-time page, status and control,
    // configuration, records, upgrade, console. Each source is the text its message box shows.
    return {
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The serial port not open, Please Login!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The serial port not open, Please open!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The serial port is occupied or does not exist")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The serial port diconnect! Please check!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Do you wish to quit NorvaneBat?")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The language has changed successfully!\nPlease restart "
                                         "if there is a problem with the interface!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP(
             "BMSMainWin",
             "In real-time rendering, can't switch pages!\nPlease click \"RTData OFF\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "The operation is too frequent!\nPlease try again later!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Please click \"RTData ON\" first!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "RTdata on succcess!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "RTdata off fail! please click again!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "RTdata off succcess!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Can't download, Please click \"RTData OFF\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Can't clean all, Please click \"RTData OFF\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The real-time data could not be saved to\n%1\n%2")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Switch the charge MOS on?")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Switch the charge MOS off?\nThe batteries take no charge "
                                         "until it is switched on again.")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Switch the discharge MOS on?")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "Switch the discharge MOS off?\nThe system stops supplying its load.")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Run the self-test of every battery?")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The Mos open success!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The Mos open fail!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The Mos close success!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The Mos close fail!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The self-test finish!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Added barcode fail!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Added barcode successfully!")},
        {"AddBarcode", QT_TRANSLATE_NOOP("AddBarcode", "The Barcode is empty!")},
        {"AddBarcode",
         QT_TRANSLATE_NOOP("AddBarcode", "The Barcode length does not meet requirement!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "Restore the unit's default protection configuration?\nEvery threshold "
                           "set on the unit is replaced.")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The initial configuration is successful!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The configuration could not be saved to\n%1\n%2")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP(
             "BMSMainWin",
             "Can't click \"Event\", Please click \"continue\" or click \"reflash\" or wait!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP(
             "BMSMainWin",
             "Can't click \"History\", Please click \"continue\" or click \"reflash\" or wait!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "Can't click \"Event\", the history record is being viewed!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "Can't click \"History\", the event record is being viewed!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The number of events is zero or events not obtained!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "The number of histories is zero or histories not obtained!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Please enter a number!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Please enter a number from 1 to %1!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Can't continue, Please click \"Event\" or \"History\"!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The event is empty!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The event Command completed successfully!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The history Command completed successfully!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "The event Command fail to excute!Please click \"Event\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "The history Command fail to excute!Please click \"History\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The Unknown Command!Please click \"Event\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The Unknown Command!Please click \"History\"!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP(
             "BMSMainWin",
             "Historical data table exported successfully!\nwould you like to view it now?")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Historical data table export failed, please try again!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Index is invalid")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Data is invalid")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Can't update! \"Present Num\" Unknown.")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Can't update boot! \"Present Num\" Unknown.")},
        {"UpdataLogin", QT_TRANSLATE_NOOP("UpdataLogin", "The Password is empty!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Upgrading!Please wait!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Did not select file!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Open file error!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Start transmission timeout!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "TimeOut during transmission!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The bin file transfer is stopped: the receiver refused "
                                         "the same block again and again!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The bin file transfer is cancelled by receiver!")},
        {"WaitConfig", QT_TRANSLATE_NOOP("WaitConfig", "Please wait for the host to upgrade !")},
        {"WaitConfig", QT_TRANSLATE_NOOP("WaitConfig", "Please wait for the battery to upgrade !")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "The battery did not answer the wake-up!\nPlease check "
                                         "the battery and the serial line, then try again!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin",
                           "Battery update error!\nPlease check battery or wake battery!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Version invalid!\nPlease check firmware!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP("BMSMainWin", "Version without head!\nPlease check firmware!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The HUB updata successful!")},
        {"BMSMainWin",
         QT_TRANSLATE_NOOP(
             "BMSMainWin",
             "Host upgraded successfully!\nPlease check the slave after %1 minutes!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "The battery updata successful!")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Please enter the console password:")},
        {"BMSMainWin", QT_TRANSLATE_NOOP("BMSMainWin", "Wrong password! Please check password!")},
    };
}

// One user message per label of the catalogue page, in the current language, so that a
// translation can be read over in one place.
void fillMessageCatalogue(Ui::BMSMainWin* ui) {
    const QList<CatalogueMessage> messages = messageCatalogue();
    for (int i = 0; i < messages.size(); ++i) {
        const int number = i + kFirstCatalogueLabel;
        auto* label = ui->page->findChild<QLabel*>(QString("label_%1").arg(number));
        if (!label)
            label = addCatalogueLabel(ui, number);
        label->setText(QCoreApplication::translate(messages.at(i).context, messages.at(i).source));
    }
}
