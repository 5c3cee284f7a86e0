#pragma once
// The Language menu and what it switches: one checkable entry per translation found beside
// the program, the two translators start-up made (not owned), and the language shown now,
// whose code is also the suffix of every language-specific picture.

#include <QString>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QObject;
class QTranslator;

class LanguageMenu {
public:
    void setTranslators(QTranslator* appTranslator, QTranslator* qtTranslator);
    // The current language code ("en", "de", ...).
    const QString& code() const { return m_currLang; }
    void setCode(const QString& code) { m_currLang = code; }

    // Fills `menu` with the languages found; `chosen` gets the entry the user picks.
    void createLanguageMenu(QMenu* menu, QObject* owner,
                            const std::function<void(QAction*)>& chosen);
    // Makes `code` current and reloads both translators; false when it was current already.
    bool loadLanguage(const QString& code);

    // While the controls are locked the window does not follow a language change: hold
    // remembers the language then, and release says whether it changed meanwhile.
    void hold();
    bool release();

private:
    void switchTranslator(QTranslator* translator, const QString& fileName);

    QTranslator* m_appTranslator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    QString m_currLang = QStringLiteral("en");
    QString m_langPath;
    QActionGroup* m_langGroup = nullptr; // owned by the menu
    QString m_langBeforeLock;            // empty while not held
};
