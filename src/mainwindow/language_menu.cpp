#include "mainwindow/language_menu.h"

#include "toolbox/install_paths.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

void LanguageMenu::setTranslators(QTranslator* appTranslator, QTranslator* qtTranslator) {
    m_appTranslator = appTranslator;
    m_qtTranslator = qtTranslator;
}

void LanguageMenu::createLanguageMenu(QMenu* menu, QObject* owner,
                                      const std::function<void(QAction*)>& chosen) {
    m_langGroup = new QActionGroup(menu);
    m_langGroup->setExclusive(true);
    QObject::connect(m_langGroup, &QActionGroup::triggered, owner, chosen);

    m_langPath = toolbox::languagesFolder();
    const QStringList files =
        QDir(m_langPath).entryList({"TranslationExample_*qm"}, QDir::Files, QDir::Name);
    for (QString code : files) {
        code.truncate(code.lastIndexOf('.'));
        code.remove(0, code.lastIndexOf('_') + 1);
        const QString text = QLocale::languageToString(QLocale(code).language());
        auto* action = new QAction(QIcon(QString("%1/%2.png").arg(m_langPath, code)), text, owner);
        action->setObjectName(text);
        action->setCheckable(true);
        action->setData(code);
        menu->addAction(action);
        m_langGroup->addAction(action);
        if (code == m_currLang)
            action->setChecked(true);
    }
}

bool LanguageMenu::loadLanguage(const QString& code) {
    if (code == m_currLang)
        return false;
    m_currLang = code;
    QLocale::setDefault(QLocale(code));
    switchTranslator(m_appTranslator, QString("TranslationExample_%1.qm").arg(code));
    switchTranslator(m_qtTranslator, QString("qt_%1.qm").arg(code));
    return true;
}

void LanguageMenu::switchTranslator(QTranslator* translator, const QString& fileName) {
    if (!translator)
        return;
    qDebug() << (QCoreApplication::removeTranslator(translator) ? "remove success" : "remove fail");
    const QString path = toolbox::languagesFolder() + '/' + fileName;
    qDebug() << "load path:" << path;
    if (translator->load(path)) {
        qDebug() << (QCoreApplication::installTranslator(translator) ? "install success"
                                                                     : "install fail");
    }
}

void LanguageMenu::hold() {
    if (m_langBeforeLock.isEmpty())
        m_langBeforeLock = m_currLang;
}

bool LanguageMenu::release() {
    const bool changed = !m_langBeforeLock.isEmpty() && m_langBeforeLock != m_currLang;
    m_langBeforeLock.clear();
    return changed;
}
