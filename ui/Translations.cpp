#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "platform/Platform.h"
#include "ui/QtText.h"

namespace {
std::unique_ptr<QTranslator> GProgram, GQt;

void Install(std::unique_ptr<QTranslator>& Slot, std::unique_ptr<QTranslator> Translator) {
  QCoreApplication::installTranslator(Translator.get());
  Slot = std::move(Translator);
}
}  // namespace

QStringList TranslationFolders() {
  return {ToQString(Platform().SharedDataFolder()) + "/translations",
          ToQString(Platform().ProgramFolder()) + "/translations"};
}

bool InstallTranslations(const QLocale& Locale, const QStringList& Folders) {
  RemoveTranslations();
  for (QString Language : Locale.uiLanguages()) {
    Language.replace('-', '_');
    // English is the source language: a user who lists it before another
    // language gets it, not the other one.
    if (Language == "C" || Language == "en" || Language.startsWith("en_")) return false;
    for (const QString& Folder : Folders) {
      auto Program = std::make_unique<QTranslator>();
      if (!Program->load("quillbay_" + Language, Folder)) continue;
      Install(GProgram, std::move(Program));
      auto Qt = std::make_unique<QTranslator>();
      if (Qt->load("qtbase_" + Language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        Install(GQt, std::move(Qt));
      return true;
    }
  }
  return false;
}

QString TranslationLanguage() { return GProgram ? GProgram->language().section('_', 0, 0) : QString(); }

void RemoveTranslations() {
  for (auto* Slot : {&GProgram, &GQt}) {
    if (!*Slot) continue;
    QCoreApplication::removeTranslator(Slot->get());
    Slot->reset();
  }
}
