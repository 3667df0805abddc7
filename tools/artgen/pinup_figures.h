// The two pin-up characters: Kapsy, a walking capsule that enters from the left, and Dotty,
// a smiley tap dancer in a top hat who enters from the right and takes a bow on the way.
#pragma once

#include "figure.h"

namespace artgen {

struct Limb {
    double upper = 0, lower = 0; // see limbEnd: degrees from hanging down, forward positive
};

struct Pose {
    int facing = 1;
    Limb armBack, armFront, legBack, legFront;
    double cane = 0;        // angle of the dancer's cane
    int expression = 0;     // 0 smile, 1 blink, 2 grin
    bool frontView = false; // turned towards the player (the dancer's spin)
    bool hatInHand = false; // the dancer lifts the hat to greet
    double lift = 0;        // height of a leap above the ground
};

// Both figures stand on the strip's bottom row. x is the middle of the body.
Pose walkerPose(int frame, double swing);
void drawWalker(Figure& figure, double x, const Pose& pose);

Pose dancerPose(int frame, double swing);
void drawDancer(Figure& figure, double x, const Pose& pose);

// A walking cycle of eight frames; swing scales the stride and the arm swing.
Pose walkCycle(double phase, int facing, double swing);

// Height of the hips that puts the lower foot on the ground line.
double hipHeight(const Pose& pose, double thigh, double shin, double ground);

} // namespace artgen
