// Never losing work: copies of unsaved missions, recovery after a run that
// ended without saving, and missions whose file another program changes.
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "EditorFixture.h"
#include "UiMissions.h"
#include "app/AutoSaver.h"
#include "document/EditDraft.h"
#include "platform/PathText.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Rename(CQVDoc* doc, const char* name) {
    EditDraft d;
    d.Edit(doc->GetMission().FlightGroups[0]->File).SetName(name);
    doc->Level().Commit(d.Finish("Rename"));
}

}  // namespace

class RecoveryTest : public QObject, EditorFixture {
    Q_OBJECT

    QTemporaryDir dir;
    QString mission;

    QString RecoveryFolderPath() {
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
               QStringLiteral("/recovery");
    }
    std::vector<RecoveryEntry> OwnCopies() {
        std::vector<RecoveryEntry> own;
        for (auto& e : frame->Autosave().Folder().Entries())
            if (e.run == frame->Autosave().Folder().Run()) own.push_back(e);
        return own;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        QDir(RecoveryFolderPath()).removeRecursively();
        mission = dir.filePath(QStringLiteral("m.tie"));
        QVERIFY(WriteMissionFile(mission, {{"A", 0, 0}, {"B", 160, 0}}));
        Start();
    }
    void cleanup() { Stop(); }

    void unsavedChangesAreCopiedAwayFromTheMissionUntilSaved() {
        doc = frame->OpenDocumentFile(mission);
        QVERIFY(doc);
        const QByteArray onDisk = ReadAll(mission);
        QVERIFY(frame->Autosave().TimerActive());  // every 3 minutes by default
        frame->Autosave().SaveNow();
        QVERIFY(OwnCopies().empty());  // nothing unsaved, nothing copied

        Rename(doc, "Changed");
        frame->Autosave().SaveNow();
        auto copies = OwnCopies();
        QCOMPARE(copies.size(), size_t(1));
        QCOMPARE(QString::fromStdString(copies[0].originalPath), doc->PathName());
        QCOMPARE(ReadAll(mission), onDisk);  // the mission file is never touched
        QVERIFY(!QFileInfo(copies[0].copy.string().c_str()).absolutePath().startsWith(dir.path()));

        // Undone back to the file: nothing left to lose.
        frame->RunCommand(57643);  // Undo
        QVERIFY(OwnCopies().empty());
        Rename(doc, "Again");
        frame->Autosave().SaveNow();
        QCOMPARE(OwnCopies().size(), size_t(1));
        QVERIFY(doc->DoFileSave());
        QVERIFY(OwnCopies().empty());

        // Closed without saving: the copy goes with the mission.
        Rename(doc, "Thrown away");
        frame->Autosave().SaveNow();
        f->prompter.answers = {PromptAnswer::No};
        frame->CloseDocument(doc);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(OwnCopies().empty());

        // Off in the options: no timer.
        f->settings.SetInt("Settings", "AutosaveMinutes", 0);
        frame->Autosave().ApplySettings();
        QVERIFY(!frame->Autosave().TimerActive());
    }

    void aRunThatEndedWithoutSavingIsOfferedAndRestoredByteForByte() {
        // A run that crashed left a copy of "m.tie" with a sound linked.
        Mission crashed = MakeMissionWith("Lost work");
        std::string error;
        RecoveryFolder dead(PathFromUtf8(RecoveryFolderPath().toStdString()), "4242-1");
        QVERIFY(dead.Store(0, crashed, mission.toStdString(), "m.tie", 1700000000, error));
        // Runs killed without a chance to clean up left their locks: the next
        // start removes them and still offers the copies. The dead run's lock
        // names the process id this run has now (Windows and Wine give ended
        // processes' ids out again), as QLockFile writes it.
        QLockFile probe(dir.filePath(QStringLiteral("probe.lock")));
        QVERIFY(probe.tryLock(0));
        const QByteArray ours = ReadAll(probe.fileName());
        probe.unlock();
        QVERIFY(ours.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
        auto staleLock = [&](const QString& run, const QByteArray& text) {
            QFile lock(RecoveryFolderPath() + "/" + run + ".lock");
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(text);
        };
        staleLock(QStringLiteral("4242-1"), ours);
        staleLock(QStringLiteral("999-2"), "2147483646\nvantorel\n");  // a run that left no copy
        // A run that is still going keeps its copies to itself.
        AutoSaver alive(f->settings, RecoveryFolderPath());
        for (const char* run : {"999-2", "4242-1"})
            QVERIFY(!QFile::exists(RecoveryFolderPath() + "/" + run + ".lock"));
        CQVDoc other(f->services, nullptr);
        other.OnNewDocument();
        alive.Track(&other);
        Rename(&other, "Other");
        alive.SaveNow();

        const auto orphans = frame->Autosave().Orphans();
        QCOMPARE(orphans.size(), size_t(1));
        QCOMPARE(orphans[0].run, std::string("4242-1"));
        const QByteArray onDisk = ReadAll(mission);

        doc = frame->RestoreRecovery(orphans[0]);
        QVERIFY(doc && doc->IsModified());
        QCOMPARE(doc->PathName(), mission);
        QCOMPARE(doc->Title(), QStringLiteral("m.tie"));
        QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string("Lost work"));
        QCOMPARE(ReadAll(mission), onDisk);  // nothing written until the user saves
        // The copy is this run's now, and offered no more.
        QVERIFY(frame->Autosave().Orphans().empty());
        QCOMPARE(OwnCopies().size(), size_t(1));
        other.SetModifiedFlag(false);
    }

    void aFileChangedByAnotherProgramReloadsOrAsks() {
        doc = frame->OpenDocumentFile(mission);
        QVERIFY(doc);
        // Our own save is not a change from outside.
        QVERIFY(doc->DoFileSave());
        doc->CheckDiskNow();
        QVERIFY(f->prompter.shown.empty());

        // The watcher follows the file through each replacement by a rename,
        // the way programs save (this one too): unmodified, it reloads.
        QSignalSpy changed(doc, &CQVDoc::changed);
        for (const char* name : {"W1", "W2"}) {
            QVERIFY(WriteMissionFile(mission, {{name, 0, 0}}));
            QVERIFY(changed.wait(20000));
            QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string(name));
        }

        QVERIFY(!doc->IsModified());

        // Modified: asked; No keeps ours, and the next save asks before replacing.
        Rename(doc, "Mine");
        QVERIFY(WriteMissionFile(mission, {{"D", 0, 0}}));
        f->prompter.answers = {PromptAnswer::No};
        doc->CheckDiskNow();
        QCOMPARE(f->prompter.Texts().back(),
                 std::string("m.tie was changed on disk. Reload it and lose your changes?"));
        QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string("Mine"));
        f->prompter.answers = {PromptAnswer::No};
        QVERIFY(!doc->DoFileSave());
        QVERIFY(ReadAll(mission).contains("D"));
        f->prompter.answers = {PromptAnswer::Yes};
        QVERIFY(doc->DoFileSave());
        QVERIFY(!doc->IsModified());

        // Yes reloads.
        Rename(doc, "Mine again");
        QVERIFY(WriteMissionFile(mission, {{"E", 0, 0}}));
        f->prompter.answers = {PromptAnswer::Yes};
        doc->CheckDiskNow();
        QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string("E"));

        // Removed: the mission is only in the editor now, so it is unsaved.
        QFile::remove(mission);
        doc->CheckDiskNow();
        QVERIFY(doc->IsModified());
        // A notice says so once, without stopping the work.
        const auto notices = [this] {
            int n = 0;
            for (QMessageBox* box : frame->findChildren<QMessageBox*>())
                n += box->isVisible() && !box->isModal() &&
                     box->text().startsWith(QStringLiteral("m.tie was deleted"));
            return n;
        };
        QCOMPARE(notices(), 1);
        doc->CheckDiskNow();
        QCOMPARE(notices(), 1);
    }

private:
    static Mission MakeMissionWith(const char* name) {
        FakeSettings settings;
        FakePrompter prompter;
        LevelDocument doc(settings, prompter);
        doc.OnNewDocument();
        doc.GetMission().FlightGroups[0]->File.SetName(name);
        doc.AddRadioMessage();
        return doc.GetMission();
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
