#pragma once
// Where DrawRope puts its segments: the first on the starting point, each next one a step of 8
// pixels further towards the end point, all at one angle.
#include <cstdint>

struct RopeLayout {
    float stepX;     // together a vector of length 8 from the first point towards the second
    float stepY;
    float angle;     // the rope sprite's turn: about 0 for a rope running down, pi/2 to the right
    int32_t segments;  // whole steps of 8 pixels in the distance; 0 below 8 pixels
};

RopeLayout LayOutRope(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
