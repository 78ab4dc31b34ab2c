// The installed program on an X server, as the file manager starts it: the
// build is installed into a temporary prefix, the command of the installed
// desktop entry is run with a document under an English and a German locale,
// and the window is read back over the accessibility bus (AT-SPI) as a screen
// reader reads it. Runs under xvfb-run and dbus-run-session (CMakeLists.txt).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <optional>

namespace {
const QString AccessibleIface = "org.a11y.atspi.Accessible";

// One object of an application's accessible tree.
struct TAccessible {
  QString Service, Path;
};

// The accessibility bus of the session: where programs publish their windows.
class TAccessibilityBus {
 public:
  TAccessibilityBus() {
    QDBusInterface Launcher("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", QDBusConnection::sessionBus());
    const QDBusReply<QString> Address = Launcher.call("GetAddress");
    if (Address.isValid()) FBus = QDBusConnection::connectToBus(Address.value(), "a11y");
  }
  ~TAccessibilityBus() { QDBusConnection::disconnectFromBus("a11y"); }
  bool Connected() const { return FBus && FBus->isConnected(); }

  QList<TAccessible> Children(const TAccessible& Object) const {
    QDBusMessage Call =
        QDBusMessage::createMethodCall(Object.Service, Object.Path, AccessibleIface, "GetChildren");
    const QDBusMessage Reply = FBus->call(Call, QDBus::Block, 5000);
    QList<TAccessible> Result;
    if (Reply.type() != QDBusMessage::ReplyMessage || Reply.arguments().isEmpty()) return Result;
    const auto Array = Reply.arguments().first().value<QDBusArgument>();
    Array.beginArray();
    while (!Array.atEnd()) {
      QString Service;
      QDBusObjectPath Path;
      Array.beginStructure();
      Array >> Service >> Path;
      Array.endStructure();
      Result.append({Service, Path.path()});
    }
    Array.endArray();
    return Result;
  }
  QString Name(const TAccessible& Object) const {
    QDBusInterface Iface(Object.Service, Object.Path, AccessibleIface, *FBus);
    return Iface.property("Name").toString();
  }
  QString Role(const TAccessible& Object) const {
    return Call<QString>(Object, AccessibleIface, "GetRoleName");
  }
  QString Text(const TAccessible& Object) const {
    return Call<QString>(Object, "org.a11y.atspi.Text", "GetText", {0, -1});
  }
  // The first object of the tree under Root, depth first, that Match accepts.
  std::optional<TAccessible> Find(const TAccessible& Root,
                                  const std::function<bool(const TAccessible&)>& Match) const {
    if (Match(Root)) return Root;
    for (const TAccessible& Child : Children(Root))
      if (auto Found = Find(Child, Match)) return Found;
    return std::nullopt;
  }
  QList<TAccessible> Applications() const {
    return Children({"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"});
  }

 private:
  template <typename T>
  T Call(const TAccessible& Object, const QString& Iface, const QString& Method,
         const QVariantList& Args = {}) const {
    QDBusMessage Message = QDBusMessage::createMethodCall(Object.Service, Object.Path, Iface, Method);
    Message.setArguments(Args);
    const QDBusReply<T> Reply = FBus->call(Message, QDBus::Block, 5000);
    return Reply.isValid() ? Reply.value() : T{};
  }

  std::optional<QDBusConnection> FBus;
};

// The command of the desktop entry's Exec line with %f replaced by File.
QStringList ExecCommand(const QString& DesktopEntry, const QString& File) {
  QFile Entry(DesktopEntry);
  if (!Entry.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  while (!Entry.atEnd()) {
    const QString Line = QString::fromUtf8(Entry.readLine()).trimmed();
    if (!Line.startsWith("Exec=")) continue;
    QStringList Command = Line.mid(5).split(' ', Qt::SkipEmptyParts);
    Command.replaceInStrings("%f", File);
    return Command;
  }
  return {};
}

void WriteFile(const QString& Path, const QByteArray& Bytes) {
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly)) << Path.toStdString();
  File.write(Bytes);
}

// What the window of a running program says: its text box, its date caption
// and the names of its menus.
struct TWindowReading {
  bool Found = false;
  QString Text, DateCaption;
  QStringList Menus;
};

TWindowReading ReadWindow(const TAccessibilityBus& Bus, const QString& Caption) {
  TWindowReading Reading;
  for (QDeadlineTimer Deadline(30000); !Deadline.hasExpired(); QThread::msleep(250)) {
    for (const TAccessible& App : Bus.Applications()) {
      const auto Window = Bus.Find(App, [&](const TAccessible& A) { return Bus.Name(A) == Caption; });
      if (!Window) continue;
      const auto Text = Bus.Find(*Window, [&](const TAccessible& A) { return Bus.Role(A) == "text"; });
      const auto Date = Bus.Find(*Window, [&](const TAccessible& A) {
        return Bus.Role(A) == "label" && Bus.Name(A).contains("2026");
      });
      const auto MenuBar = Bus.Find(*Window, [&](const TAccessible& A) { return Bus.Role(A) == "menu bar"; });
      if (!Text || !Date || !MenuBar) continue;
      Reading.Found = true;
      Reading.Text = Bus.Text(*Text);
      Reading.DateCaption = Bus.Name(*Date);
      for (const TAccessible& Menu : Bus.Children(*MenuBar)) Reading.Menus << Bus.Name(Menu);
      return Reading;
    }
  }
  return Reading;
}
}  // namespace

TEST(InstalledProgramTest, DesktopEntryCommandOpensTheDocumentAndShowsItsEventsInTheUsersLanguage) {
  QTemporaryDir Root;
  ASSERT_TRUE(Root.isValid());
  const QString Prefix = Root.filePath("usr");
  ASSERT_EQ(QProcess::execute(QUILLBAY_CMAKE, {"--install", QUILLBAY_BUILD_DIR, "--prefix", Prefix}), 0);

  // Two days; the window shows the last one in document order, 2 May 2026.
  const QString Document = Root.filePath("Club calendar.qby");
  WriteFile(Document,
            "object TEventList\r\n"
            "  Items = <\r\n"
            "    item\r\n      Date = 46147\r\n      Text = 'Spring fair'\r\n    end\r\n"
            "    item\r\n      Date = 46144\r\n      Text = 'Choir rehearsal'#13#10'at seven'\r\n    end>\r\n"
            "end\r\n");

  const QStringList Command =
      ExecCommand(Prefix + "/share/applications/org.quillbay.Quillbay.desktop", Document);
  ASSERT_EQ(Command.value(0), "quillbay") << Command.join(' ').toStdString();
  ASSERT_EQ(Command.size(), 2) << "the document is one argument, spaces and all";

  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  for (const char* Folder : {"home", "config", "data", "runtime"}) QDir(Root.path()).mkpath(Folder);
  QFile::setPermissions(Root.filePath("runtime"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  Env.insert("HOME", Root.filePath("home"));
  Env.insert("XDG_CONFIG_HOME", Root.filePath("config"));
  Env.insert("XDG_DATA_HOME", Root.filePath("data"));
  Env.insert("XDG_RUNTIME_DIR", Root.filePath("runtime"));
  Env.insert("PATH", Prefix + "/bin:" + Env.value("PATH"));
  Env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  Env.remove("QT_QPA_PLATFORM");
  Env.remove("LANGUAGE");
  // The bus is up before the program starts, so that it publishes its windows.
  TAccessibilityBus Bus;
  ASSERT_TRUE(Bus.Connected()) << "no accessibility bus in this session";

  const struct {
    const char* Locale;
    QStringList Menus;
    const char* Month;
  } Languages[] = {
      {"C.UTF-8", {"File", "Edit", "View", "Tools", "Help"}, "May"},
      {"de_DE.UTF-8", {"Datei", "Bearbeiten", "Ansicht", "Extras", "Hilfe"}, "Mai"},
      {"es_ES.UTF-8", {"Archivo", "Editar", "Ver", "Herramientas", "Ayuda"}, "mayo"},
      {"fr_FR.UTF-8", {"Fichier", "Édition", "Affichage", "Outils", "Aide"}, "mai"},
      {"it_IT.UTF-8", {"File", "Modifica", "Visualizza", "Strumenti", "Aiuto"}, "maggio"},
      {"nl_NL.UTF-8", {"Bestand", "Bewerken", "Beeld", "Extra", "Help"}, "mei"},
  };
  for (const auto& Language : Languages) {
    Env.insert("LC_ALL", Language.Locale);
    QProcess Program;
    Program.setProcessEnvironment(Env);
    Program.setProcessChannelMode(QProcess::ForwardedChannels);
    Program.start(Prefix + "/bin/" + Command[0], Command.mid(1));
    ASSERT_TRUE(Program.waitForStarted());
    const TWindowReading Window = ReadWindow(Bus, "Quillbay - " + Document);
    Program.terminate();
    Program.waitForFinished();
    ASSERT_TRUE(Window.Found) << Language.Locale << ": no window showing " << Document.toStdString();
    EXPECT_EQ(Window.Text, "Choir rehearsal\nat seven") << Language.Locale;
    EXPECT_TRUE(Window.DateCaption.contains(Language.Month)) << Window.DateCaption.toStdString();
    EXPECT_EQ(Window.Menus.mid(0, 5), Language.Menus) << Window.Menus.join(' ').toStdString();
  }
}

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
