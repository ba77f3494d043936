#pragma once

#include "xmesh.h"

// The three screen saver objects, each sized for the scale and camera the
// settings give it, so that it fills a good part of the screen and stays in view
// while it turns about its vertical axis.

// An electric guitar standing upright, with glowing strings, pickups and inlays;
// drawn at scale 0.05.
XMesh virmoskDesign();
// A trefoil knot of metal tube with glowing bands round a glowing core; drawn
// at scale 0.08.
XMesh tubiDesign();
// Solid primitives round a central sphere, with no light of their own; drawn at
// scale 4.
XMesh primitiveDesign();
