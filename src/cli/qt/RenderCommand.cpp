// `vantorel-cli render`: the map of a mission as a PNG, drawn by the same
// paint as the editor's map view, with no display needed; with --briefing,
// a briefing's playback map at a moment, as the Briefing window draws it.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "briefing/BriefingPaint.h"
#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleText.h"
#include "cli/MissionFileArg.h"
#include "cli/OutputFile.h"
#include "map/CentreOnSelection.h"
#include "map/MapPaint.h"
#include "map/ScrollZoom.h"
#include "platform/qt/QPainterCanvas.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage =
    "render FILE -o OUT.png [--view top|front|side|3d] [--size WxH] [--waypoints] [--zoom N] "
    "[--select I,J,...] [--centre-selection] [--briefing N] [--time SECONDS]";
constexpr int kMaxSide = 16384;

// Headless runs have no session folders; Qt's note about that is not
// something a user of the command can act on. Everything else gets through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (text.startsWith(QStringLiteral("QStandardPaths:"))) return;
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    PrintUtf8(stderr, "%s\n", text.toUtf8().constData());
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "vantorel-cli render: %s\nusage: vantorel-cli %s\n", problem.c_str(),
                 kUsage);
    return kExitUsage;
}

// A whole decimal number within [lo, hi], nothing else.
bool ParseInt(const std::string& text, int lo, int hi, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || v < lo || v > hi) return false;
    out = int(v);
    return true;
}

bool ParseSize(const std::string& text, int& w, int& h) {
    const auto x = text.find_first_of("xX");
    return x != std::string::npos && ParseInt(text.substr(0, x), 1, kMaxSide, w) &&
           ParseInt(text.substr(x + 1), 1, kMaxSide, h);
}

bool ParseList(const std::string& text, std::vector<int>& out) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? comma : comma - start);
        int v = 0;
        if (!ParseInt(item, 0, 1 << 20, v)) return false;
        out.push_back(v);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !out.empty();
}

struct Options {
    std::string input;
    std::string output;
    int angle = kAngleTop;
    int width = 1280;
    int height = 800;
    int zoom = 60;
    bool waypoints = false;
    bool centreSelection = false;
    std::vector<int> select;
    bool mapOptions = false;  // any of the options above that only the map takes
    int briefing = -1;        // from 0
    double seconds = -1;
};

// Seconds as a plain decimal number, 0 to the end of a briefing's clock.
bool ParseSeconds(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !(v >= 0) || v > 65535.0 / kBriefingTicksPerSecond) return false;
    out = v;
    return true;
}

int Parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        o.mapOptions = o.mapOptions || a == "--view" || a == "--zoom" || a == "--waypoints" ||
                       a == "--select" || a == "--centre-selection" || a == "--center-selection";
        if (a == "-o" || a == "--output") {
            if (!value(o.output)) return Usage("-o needs a file name");
        } else if (a == "--view") {
            if (!value(v)) return Usage("--view needs top, front, side or 3d");
            if (v == "top")
                o.angle = kAngleTop;
            else if (v == "front")
                o.angle = kAngleFront;
            else if (v == "side")
                o.angle = kAngleSide;
            else if (v == "3d")
                o.angle = kAngle3D;
            else
                return Usage("unknown view '" + v + "'");
        } else if (a == "--size") {
            if (!value(v) || !ParseSize(v, o.width, o.height))
                return Usage("--size needs WxH, each 1 to " + std::to_string(kMaxSide));
        } else if (a == "--zoom") {
            if (!value(v) || !ParseInt(v, 2, 1000, o.zoom))
                return Usage("--zoom needs a number from 2 to 1000");
        } else if (a == "--select") {
            if (!value(v) || !ParseList(v, o.select))
                return Usage("--select needs flight group numbers such as 0,3,5");
        } else if (a == "--briefing") {
            if (!value(v) || !ParseInt(v, 1, kBriefingCount, o.briefing))
                return Usage("--briefing needs a number from 1 to 8");
            --o.briefing;
        } else if (a == "--time") {
            if (!value(v) || !ParseSeconds(v, o.seconds))
                return Usage("--time needs the seconds into the briefing, such as 4.5");
        } else if (a == "--waypoints") {
            o.waypoints = true;
        } else if (a == "--centre-selection" || a == "--center-selection") {
            o.centreSelection = true;
        } else if (std::string why = TakeMissionFile(a, o.input); !why.empty()) {
            return Usage(why);
        }
    }
    if (o.input.empty()) return Usage("no mission file given");
    if (o.output.empty()) return Usage("no output file given (-o OUT.png)");
    if (o.seconds >= 0 && o.briefing < 0) return Usage("--time goes with --briefing");
    if (o.briefing >= 0 && o.mapOptions)
        return Usage(
            "--briefing draws a briefing's map; --view, --zoom, --waypoints, --select and "
            "--centre-selection are for the mission's map");
    return kExitOk;
}

int Run(const std::vector<std::string>& args) {
    Options o;
    if (int rc = Parse(args, o); rc != kExitOk) return rc;

    if (OutputIsAnInput(o.output, {o.input}))
        return Usage("the output " + o.output + " is the mission file itself");

    Mission mission;
    if (int rc = LoadMissionArg(o.input, mission); rc != kExitOk) return rc;
    // Selected as a click on each marker would select it: the group and its
    // position point.
    for (int index : o.select) {
        if (index >= mission.CountFlightGroups()) {
            std::fprintf(stderr, "vantorel-cli render: the mission has no flight group %d\n",
                         index);
            return kExitUsage;
        }
        FlightGroup& fg = *mission.FlightGroups[std::size_t(index)];
        fg.Selected = 1;
        if (auto start = fg.FirstEnabledStartPoint()) fg.PointSelected[std::size_t(*start)] = 1;
    }

    // Fonts need a GUI application, but the picture needs no display: draw
    // offscreen whatever platform the environment names (one that needs a
    // display aborts without it). Windows and macOS draw with their own
    // platform, the one the installer ships, which needs no window.
#if defined(_WIN32)
    constexpr const char* kPlatform = "windows";
#elif defined(__APPLE__)
    constexpr const char* kPlatform = "cocoa";
#else
    constexpr const char* kPlatform = "offscreen";
#endif
    // Offscreen asked for by name is kept everywhere (tests compare with
    // windows drawn offscreen, under Wine too).
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (!asked.startsWith("offscreen") && asked != kPlatform)
        qputenv("QT_QPA_PLATFORM", kPlatform);
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "vantorel-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    std::optional<BriefingScript> script;
    if (o.briefing >= 0) {
        BriefingDecode d = DecodeBriefing(mission.Briefings[std::size_t(o.briefing)].Commands);
        if (!d.Script) {
            std::fprintf(stderr, "vantorel-cli render: briefing %d cannot be read: %s\n",
                         o.briefing + 1, d.Reason.c_str());
            return kExitUsage;
        }
        script = std::move(d.Script);
    }

    ViewState view;
    view.Width = o.width;
    view.Height = o.height;
    view.Angle = o.angle;
    view.Zoom = o.zoom;
    view.ShowWaypoints = o.waypoints;
    if (o.centreSelection)
        CentreOnSelection(view, mission);
    else
        CentreOnMap(view);

    QImage image(o.width, o.height, QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "vantorel-cli render: not enough memory for a %dx%d picture\n",
                     o.width, o.height);
        return kExitIo;
    }
    {
        QPainter painter(&image);
        QPainterCanvas canvas(&painter);
        if (script) {
            const int tick = int(std::lround(std::max(o.seconds, 0.0) * kBriefingTicksPerSecond));
            PaintBriefing(canvas, o.width, o.height, mission, o.briefing,
                          BriefingShownAt(*script, tick));
        } else {
            PaintMap(canvas, view, mission);
        }
    }
    // Encoded in memory and written through the safe writer: a render that
    // fails part way leaves the previous picture whole.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        std::fprintf(stderr, "vantorel-cli render: the picture could not be encoded\n");
        return kExitIo;
    }
    return WriteOutputFile(o.output, std::span(reinterpret_cast<const uint8_t*>(png.constData()),
                                               std::size_t(png.size())));
}

CommandRegistration registration(
    {"render", kUsage,
     "draw the mission's map as a PNG picture; with --briefing N, briefing N's playback map at "
     "--time SECONDS (0 by default) as the Briefing window draws it",
     &Run});

}  // namespace
}  // namespace vantorel::cli
