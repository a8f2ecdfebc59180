#pragma once

#include <QList>
#include <QString>

// The two films as data: one row per frame. The frame painter draws any row
// the same way, so a change of content is a change of a row, not of code.

// Upper (reaction) piston: rest, both seats closed while moving, inlet open,
// holding, releasing, inlet wide open without back-pressure, touching the
// relay piston, at its stop.
enum class UpperState { O0, O1, O2, OL, OA, O3, OK, OF };
// Relay piston, same meanings for inlet II / outlet II.
enum class RelayState { R0, R1, R2, RL, RA, RF };

// Flow arrows drawn in a frame.
enum Flow : unsigned {
    FlowNone = 0,
    Flow11To21 = 1u << 0,
    Flow12To22 = 1u << 1,
    FlowToLeak = 1u << 2, // along the leaking line to the break
    Flow21ToControl = 1u << 3, // 21 -> bore -> control chamber
    Vent21 = 1u << 4, // 21 / control chamber -> valve tube -> 3
    Vent22 = 1u << 5, // 22 -> valve tube -> 3
    Refill = 1u << 6, // "vom Kompressor" at the leaking circuit's supply port
    PlungerDown = 1u << 7,
    RelayDown = 1u << 8,
    RelayUp = 1u << 9,
    PistonUp = 1u << 10, // pressure under the upper piston pushes back
};

// Highlights (orange marks) drawn in a frame.
enum Mark : unsigned {
    MarkNone = 0,
    MarkOutlet1 = 1u << 0,
    MarkInlet1 = 1u << 1,
    MarkOutlet2 = 1u << 2,
    MarkInlet2 = 1u << 3,
    MarkContact = 1u << 4,
    MarkControlZero = 1u << 5, // control chamber "0 bar"
    MarkPedalBar = 1u << 6,
    MarkRubber = 1u << 7,
    MarkLamp = 1u << 8,
};

// Part names; shown in the first and last frame and where the caption
// talks about the part.
enum PartLabel : unsigned {
    LabelNone = 0,
    LabelPedal = 1u << 0,
    LabelPlunger = 1u << 1,
    LabelRubber = 1u << 2,
    LabelUpperPiston = 1u << 3,
    LabelReturnSpring = 1u << 4,
    LabelValveBody1 = 1u << 5,
    LabelControl = 1u << 6,
    LabelRelayPiston = 1u << 7,
    LabelValveBody2 = 1u << 8,
    LabelExhaust = 1u << 9,
    LabelBrakeChambers = 1u << 10,
    LabelAll = (1u << 11) - 1,
};

struct FrameRow {
    int pedal; // percent of full travel
    UpperState upper;
    RelayState relay;
    double p11, p21, p12, p22; // bar
    unsigned flows;
    unsigned marks;
    unsigned labels;
    bool lamp1, lamp2;
    bool leaking; // air is escaping at the break (clouds)
    QString caption;
};

struct Film {
    int number; // 1 or 2
    int firstPicture; // picture number of frame 1
    int height; // picture height in pixels
    int leakCircuit; // 1: line 21 leaks, 2: line 22 leaks
    QList<FrameRow> rows;

    int frameCount() const { return int(rows.size()); }
    int pictureNo(int frame) const { return firstPicture + frame - 1; }
};

class Storyboard
{
public:
    static Film film1();
    static Film film2();
};
