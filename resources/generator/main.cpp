// nb_picture_generator: draws every picture of the program into resources/res/ and writes
// resources/resources.qrc listing them. Run it offscreen after changing a caption or a
// drawing (the command is in resources/README.md); its output is committed.

#include "captions.h"
#include "painter_kit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

struct Picture {
    QString name; // file name under res/
    std::function<QImage()> draw;
};

// Display sizes in the forms at full scale (px).
const QSize kNavButton(150, 50);
const QSize kWideButton(150, 50);
const QSize kRecordButton(130, 46);
const QSize kDetailsButton(120, 40);
const QSize kAddButton(64, 26);
const QSize kSmallButton(95, 26); // battery buttons and the password confirm button
const QSize kNumberTag(120, 50);
const QSize kPageTag(220, 50);
const QSize kInfoTag(150, 50);
const QSize kSideTab(40, 80);
const QSize kSwitch(76, 24);
const QSize kLed(18, 18);
const QSize kAlarmBadge(32, 32);
const QSize kRack(160, 160);
const QSize kModule(150, 100);
const QSize kLogo(330, 90);
const QSize kUpgradePanel(640, 360);
const QSize kLanguageBadge(32, 32); // Language menu entry (shown at 16 px, drawn for 2x)

using Captioned = std::function<QImage(const QString& language)>;

// name_<code>.<ext> for every language; with a default, also name.<ext> in the first one.
void perLanguage(QList<Picture>& out, const QString& name, const QString& ext, Captioned draw,
                 bool withDefault = false) {
    for (const QString& lang : captions::languages())
        out.append(
            {QStringLiteral("%1_%2.%3").arg(name, lang, ext), [draw, lang] { return draw(lang); }});
    if (withDefault) {
        const QString first = captions::languages().first();
        out.append({QStringLiteral("%1.%2").arg(name, ext), [draw, first] { return draw(first); }});
    }
}

void navigation(QList<Picture>& out) {
    // Caption key, normal picture, pressed picture.
    const QList<QStringList> pages{
        {"normal", "normal", "normalpress"},          {"rtdata", "rtdata", "realdatapress"},
        {"alarmpro", "alarmpro", "alarmpropress"},    {"History", "History", "HistoryPress"},
        {"updatepan", "updatepan", "updatepanpress"}, {"SendData", "SendData", "SendDataPress"}};
    for (const QStringList& page : pages) {
        const QByteArray key = page[0].toLatin1();
        for (int pressed = 0; pressed < 2; ++pressed) {
            perLanguage(out, page[1 + pressed], "png", [key, pressed](const QString& lang) {
                return kit::navButton(kNavButton, captions::text(key.constData(), lang), pressed);
            });
        }
    }
}

void actions(QList<Picture>& out) {
    struct Button {
        const char* key;
        QSize size;
        bool withDefault;
    };
    const QList<Button> buttons{
        {"rtdataon", kWideButton, false},  {"rtdataoff", kWideButton, false},
        {"download", kWideButton, false},  {"cleanallen", kWideButton, false},
        {"UpdateBtn", kWideButton, false}, {"wake", kWideButton, false},
        {"uboot", kWideButton, false},     {"event", kRecordButton, true},
        {"HistBtn", kRecordButton, false}, {"continue", kRecordButton, true},
        {"details", kDetailsButton, true}, {"Add", kAddButton, true},
        {"Confirm", kSmallButton, true},
    };
    for (const Button& b : buttons) {
        const QByteArray key = b.key;
        const QSize size = b.size;
        perLanguage(
            out, b.key, "png",
            [key, size](const QString& lang) {
                return kit::actionButton(size, captions::text(key.constData(), lang));
            },
            b.withDefault);
    }
    out.append({"pressed.png", [] { return kit::pressedButton(kWideButton); }});
    out.append({"PressShawdow.png", [] { return kit::pressedShadow(kWideButton); }});
    out.append(
        {"reflesh.jpg", [] { return kit::iconButton(kRecordButton, kit::Glyph::Refresh, false); }});
    out.append({"refleshpress.jpg",
                [] { return kit::iconButton(kRecordButton, kit::Glyph::Refresh, true); }});
}

void headings(QList<Picture>& out) {
    perLanguage(out, "Bat", "png", [](const QString& lang) {
        return kit::tag(kNumberTag, kit::Glyph::Battery, captions::text("Bat", lang));
    });
    perLanguage(out, "Alarmprotecet", "png", [](const QString& lang) {
        return kit::tag(kPageTag, kit::Glyph::Warning, captions::text("Alarmprotecet", lang));
    });
    perLanguage(
        out, "info", "png",
        [](const QString& lang) {
            return kit::tag(kInfoTag, kit::Glyph::Info, captions::text("info", lang));
        },
        true);
    perLanguage(
        out, "alarm", "jpg",
        [](const QString& lang) {
            return kit::sideTab(kSideTab, captions::text("alarm", lang), true);
        },
        true);
    perLanguage(
        out, "balance", "png",
        [](const QString& lang) {
            return kit::sideTab(kSideTab, captions::text("balance", lang), false);
        },
        true);
}

void statusViews(QList<Picture>& out) {
    for (int on = 0; on < 2; ++on) {
        const char* key = on ? "moson" : "mosoff";
        perLanguage(
            out, key, "png",
            [key, on](const QString& lang) {
                return kit::switchIndicator(kSwitch, on, captions::text(key, lang));
            },
            true);
    }
    out.append({"alarmon.png", [] { return kit::alarmBadge(kAlarmBadge); }});
    out.append({"batmarkalarm.png", [] { return kit::batteryMark(kSmallButton, true, false); }});
    out.append({"batmarkshown.png", [] { return kit::batteryMark(kSmallButton, false, true); }});
    out.append({"batmarkboth.png", [] { return kit::batteryMark(kSmallButton, true, true); }});
    out.append({"balanceledon.png", [] { return kit::led(kLed, true); }});
    out.append({"balanceledoff.png", [] { return kit::led(kLed, false); }});
    for (int n = 1; n <= 16; ++n) {
        perLanguage(out, QStringLiteral("Bat%1").arg(n), "png", [n](const QString& lang) {
            return kit::batteryButton(kSmallButton, captions::text("BatN", lang).arg(n));
        });
    }
    perLanguage(
        out, "group", "jpg",
        [](const QString& lang) { return kit::rackPicture(kRack, captions::text("group", lang)); },
        true);
    perLanguage(
        out, "BatTwo", "png",
        [](const QString& lang) {
            return kit::modulePicture(kModule, captions::text("BatTwo", lang));
        },
        true);
}

void upgradePage(QList<Picture>& out) {
    perLanguage(
        out, "UpdateMess", "jpg",
        [](const QString& lang) {
            return kit::upgradePanel(kUpgradePanel, captions::upgradeNote(lang));
        },
        true);
    out.append({"NorvaneThree.jpg", [] { return kit::logo(kLogo); }});
}

QList<Picture> allPictures() {
    QList<Picture> out;
    navigation(out);
    actions(out);
    headings(out);
    statusViews(out);
    upgradePage(out);
    return out;
}

bool ensureFont() {
    const QString family = QStringLiteral("Liberation Sans");
    if (QFontInfo(QFont(family)).family() == family)
        return true;
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/liberation/");
    QFontDatabase::addApplicationFont(dir + "LiberationSans-Regular.ttf");
    QFontDatabase::addApplicationFont(dir + "LiberationSans-Bold.ttf");
    return QFontInfo(QFont(family)).family() == family;
}

bool save(const QImage& image, const QString& path) {
    if (path.endsWith(".jpg"))
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92);
    return image.save(path, "PNG");
}

void removeStale(QDir res, const QStringList& keep) {
    for (const QString& name : res.entryList({"*.png", "*.jpg"}, QDir::Files)) {
        if (!keep.contains(name))
            res.remove(name);
    }
}

bool writeQrc(const QString& path, QStringList names) {
    names.sort();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << "<!-- Written by nb_picture_generator (resources/generator); do not edit. -->\n"
        << "<RCC>\n    <qresource prefix=\"/icon\">\n";
    for (const QString& name : names)
        out << "        <file>res/" << name << "</file>\n";
    out << "    </qresource>\n    <qresource prefix=\"/qt/etc\">\n"
        << "        <file alias=\"qt.conf\">qt/etc/qt.conf</file>\n"
        << "    </qresource>\n</RCC>\n";
    return true;
}

// The Language menu's pictures: languages/<code>.png, which the build copies into the
// languages folder beside the program.
bool writeLanguageBadges(const QString& root) {
    QDir dir(root + "/languages");
    if (!dir.mkpath("."))
        return false;
    QStringList names;
    for (const QString& code : captions::languages()) {
        names << code + ".png";
        if (!save(kit::languageBadge(kLanguageBadge, code), dir.filePath(names.last())))
            return false;
    }
    removeStale(dir, names);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString root = args.size() > 1 ? args.at(1) : QStringLiteral(NB_RESOURCES_DIR);
    if (!ensureFont()) {
        std::fprintf(stderr, "Liberation Sans is missing (package fonts-liberation)\n");
        return 1;
    }
    QDir res(root + "/res");
    if (!res.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(res.path()));
        return 1;
    }

    const QList<Picture> pictures = allPictures();
    QStringList names;
    qint64 bytes = 0;
    for (const Picture& picture : pictures) {
        const QString path = res.filePath(picture.name);
        if (!save(picture.draw(), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        names << picture.name;
        bytes += QFileInfo(path).size();
    }
    removeStale(res, names);
    if (!writeQrc(root + "/resources.qrc", names)) {
        std::fprintf(stderr, "cannot write resources.qrc\n");
        return 1;
    }
    if (!writeLanguageBadges(root)) {
        std::fprintf(stderr, "cannot write the language pictures\n");
        return 1;
    }
    std::printf("%d pictures, %lld bytes, in %s\n", int(names.size()), bytes,
                qPrintable(res.path()));
    return 0;
}
