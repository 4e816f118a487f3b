#include "app/DocumentClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

#include "catalogue/MissionReport.h"
#include "document/MissionClipboard.h"
#include "mission/Win1252.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

// The bar works on this document (it is the one in front).
CLevelPropertiesBar* BarOf(CQVDoc& doc, CLevelPropertiesBar* bar) {
    return bar && bar->CurrentDocument() == &doc ? bar : nullptr;
}

bool CopiesMessage(CQVDoc& doc, CLevelPropertiesBar* bar) {
    bar = BarOf(doc, bar);
    return bar && bar->MessagesTabHasFocus();
}

MissionClip Copy(CQVDoc& doc, CLevelPropertiesBar* bar) {
    if (CopiesMessage(doc, bar)) return CopyMessage(doc.GetMission(), bar->CurrentMessage());
    return CopySelectedFlightGroups(doc.GetMission());
}

// Each item as the report writes it, the first without its leading blank.
QString ReportOf(const MissionClip& clip, const Mission& mission) {
    std::string text;
    for (const auto& fg : clip.flightGroups) {
        FlightGroup copy;
        copy.File = fg.file;
        copy.GoalStrings = fg.goalStrings;
        text += FlightGroupReportText(fg.sourcePosition, copy, mission);
    }
    for (const auto& m : clip.messages)
        text += MessageReportText(m.sourcePosition, m.message, mission);
    if (!text.empty() && text.front() == '\n') text.erase(0, 1);
    return QString::fromStdString(Win1252ToUtf8(text));
}

}  // namespace

bool CanCopy(CQVDoc& doc, CLevelPropertiesBar* bar) {
    if (CopiesMessage(doc, bar)) return bar->CurrentMessage() >= 0;
    return doc.Level().CountSelectedFlightGroups() > 0;
}

bool CopyToClipboard(CQVDoc& doc, CLevelPropertiesBar* bar, bool cut) {
    bar = BarOf(doc, bar);
    // What the windows hold but have not written yet is copied too.
    if (bar) bar->ApplyAll();
    MissionClip clip = Copy(doc, bar);
    if (clip.Empty()) return false;
    // The report names what the copied groups name while they are all there.
    const QString text = ReportOf(clip, doc.GetMission());
    if (cut) {
        // Removed as Delete removes them; a No leaves the clipboard be.
        const RemovalResult removed = RemoveCopied(doc.Level(), clip);
        if (!removed.removed) return false;
        // The fields that now name no flight group stay in the Problems
        // window until they are aimed again.
        if (removed.brokeReferences) emit doc.checkRequested();
    }
    const std::string bytes = EncodeClip(clip);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kMissionItemsMimeType),
                  QByteArray(bytes.data(), qsizetype(bytes.size())));
    mime->setText(text);
    QGuiApplication::clipboard()->setMimeData(mime);
    return true;
}

bool PasteFromClipboard(CQVDoc& doc, CLevelPropertiesBar* bar) {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString format = QString::fromLatin1(kMissionItemsMimeType);
    if (!mime || !mime->hasFormat(format)) return false;
    const QByteArray bytes = mime->data(format);
    const auto clip = DecodeClip(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!clip) return false;
    bar = BarOf(doc, bar);
    if (bar) bar->ApplyAll();
    const PasteResult pasted = PasteClip(doc.Level(), *clip);
    if (!pasted.pasted) return false;
    if (bar) {
        bar->RefreshAll();
        bar->UpdateViews();
        // A message shows only on the Messages tab: it comes to the front
        // with the pasted message chosen.
        if (!pasted.messages.empty()) {
            bar->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
            bar->SetCurrentMessage(pasted.messages.front());
        }
    }
    return true;
}

ClipboardWatch& ClipboardWatch::Instance() {
    // Goes with the application and its clipboard.
    static QPointer<ClipboardWatch> watch;
    if (!watch) watch = new ClipboardWatch;
    return *watch;
}

ClipboardWatch::ClipboardWatch() : QObject(QCoreApplication::instance()) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &ClipboardWatch::Update);
}

void ClipboardWatch::Update() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    hasItems_ = mime && mime->hasFormat(QString::fromLatin1(kMissionItemsMimeType));
    emit changed();
}

}  // namespace vantorel
