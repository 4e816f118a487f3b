#pragma once

namespace vantorel {

// The angles the map can look from. Stored as a plain int in ViewState so
// that command ids and settings can be mapped onto it directly.
enum ViewAngle : int {
    kAngleTop = 0,    // x right, y down
    kAngleFront = 1,  // x right, z up
    kAngleSide = 2,   // y right, z up
    kAngle3D = 3,     // perspective
};

// Mouse modes of the map. Owned by the interaction code; the paint only asks
// whether one is active (grid labels are left out during any drag).
enum MouseModeValue : int {
    kMouseNone = 0,
    kMousePan = 1,
    kMousePointDrag = 2,
    kMouseBand = 3,
    kMouseFlatZoom = 4,
    kMouse3DZoom = 5,
    kMouseRotate = 6,
};

inline constexpr double kPi = 3.141592653589793;
// Degrees to radians exactly as the map has always done it (pi / 180 as a
// rounded decimal), so rotated pictures come out pixel for pixel the same.
inline constexpr double kRadiansPerDegree = kPi * 0.005555555555555556;

// Everything one map window knows about how it looks at the mission. Nothing
// here is stored in the mission; the switches that persist are read from and
// written to the settings by the view, not by this struct.
//
// The geometry functions (MapGeometry.h) and the paint (MapPaint.h) read it;
// the Qt view and the mouse handling change it. Width/Height must be kept at
// the client size of the window.
struct ViewState {
    // Projection.
    int Angle = kAngleTop;
    int Zoom = 60;     // pixels per km in the flat views, nominally 2..1000
    int Zoom3D = 100;  // perspective zoom, -970..1000
    int ScrollX = 0;   // top-left corner of the window in the flat pixel plane
    int ScrollY = 0;
    int YawDegrees = 225;                  // 0..359
    int PitchDegrees = 45;                 // 0..90
    double Yaw = 225 * kRadiansPerDegree;  // kept in step by SetRotationDegrees
    double Pitch = 45 * kRadiansPerDegree;
    int SnapIndex = 0;  // 0 no snap, 1..10 = steps of 0.1 km

    // Client area of the window in pixels.
    int Width = 0;
    int Height = 0;

    // Display switches (the first six persist in the settings, the two
    // waypoint switches live only as long as the window). BandSelect, also
    // kept in the settings, makes a drag on empty space draw a band, as an
    // Alt+drag always does: many desktops keep Alt+drag for moving windows.
    bool JoinWaypoints = true;
    bool ShowFGNames = true;
    bool ShowPointNames = true;
    bool ShowSelBox = true;
    bool ShowGrid3D = true;
    bool ShowStalks = true;
    bool ShowWaypoints = false;
    bool ShowSelectionWaypoints = false;
    bool BandSelect = false;

    // The current mouse mode (MouseModeValue); non-zero while a button is held.
    int MouseMode = kMouseNone;
};

}  // namespace vantorel
