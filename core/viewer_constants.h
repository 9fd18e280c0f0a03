// Every size, speed and limit of the viewer, in one place.
#ifndef HM_CORE_VIEWER_CONSTANTS_H
#define HM_CORE_VIEWER_CONSTANTS_H

// Initial client size; also where the cursor is centred at creation.
const int kInitialClientWidth = 640;
const int kInitialClientHeight = 480;

// Smallest outer window rectangle the user can drag the window to.
const int kMinWindowWidth = 640;
const int kMinWindowHeight = 480;

// Projection: vertical field of view in degrees, near and far plane. The
// field of view and near plane are floats widened only for gluPerspective.
const float kFieldOfView = 30.0f;
const float kNearPlane = 0.1f;
const double kFarPlane = 4096.0;

// A zoom step is taken only while zoom is above kZoomMin (in) or below
// kZoomMax (out). All view arithmetic is in 32-bit floats; the rounding that
// follows from the float constants is part of how the view moves.
const float kZoomMin = 1.0f;
const float kZoomMax = 4.0f;
const float kZoomStep = 0.1f;
const float kStartZoom = 4.0f;

// Held keys step the pan only while inside the limit; drags clamp to it.
const float kPanLimit = 0.75f;
const float kPanSpeed = 0.005f;
// View units per pixel of mouse drag.
const float kDragScale = 1.0f / 128.0f;

// World units from the map's centre to its edge.
const float kWorldHalfExtent = 2048.0f;

// Entries a package list has room for when it is made; it grows beyond.
const int kPackageCapacity = 100;

// Key tables are indexed by virtual-key code.
const int kKeyCount = 256;

#endif
