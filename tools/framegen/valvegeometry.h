#pragma once

#include "storyboard.h"

// Where the moving parts of the valve stand in one frame. All lengths are
// whole pixels so that edges stay crisp and flat areas stay flat. Strokes
// are exaggerated on purpose, above all the contact gap.
class ValveGeometry
{
public:
    // Fixed layout of the section (rest position).
    static constexpr int Axis = 165; // x of the valve axis
    static constexpr int BoreR = 56; // inner radius of the housing bore
    static constexpr int Wall = 14;
    static constexpr int Left = Axis - BoreR - Wall; // housing outer left
    static constexpr int Right = Axis + BoreR + Wall;

    static constexpr int PlungerTop = 50; // top of the plunger at rest
    static constexpr int CapTop = 100; // housing cap
    static constexpr int CapBottom = 110;
    static constexpr int PlateTop = 112; // plunger plate on the rubber spring
    static constexpr int PlateHeight = 5;
    static constexpr int RubberHeight = 20; // unloaded
    static constexpr int PistonTop = PlateTop + PlateHeight + RubberHeight; // 137
    static constexpr int PistonHeight = 12;
    static constexpr int Partition1Top = 195;
    static constexpr int Partition1Bottom = 205; // inlet seat I (underside)
    static constexpr int Seat1R = 22;
    static constexpr int Disc1R = 30;
    static constexpr int DiscHeight = 8;
    static constexpr int Partition2Top = 252;
    static constexpr int Partition2Bottom = 262;
    static constexpr int RelayTop = 290;
    static constexpr int Partition3Top = 324;
    static constexpr int Partition3Bottom = 334; // inlet seat II (underside)
    static constexpr int Seat2R = 22;
    static constexpr int Disc2R = 30;
    static constexpr int Partition4Top = 358;
    static constexpr int Partition4Bottom = 368;
    static constexpr int HousingBottom = 380;

    static constexpr int Outlet1Gap = 6; // exhaust seat I above valve body I at rest
    static constexpr int Outlet2Gap = 6;
    static constexpr int ContactGap = 24; // push pins above the relay piston at rest
    static constexpr int PinOffset = 40; // push pins at Axis +- PinOffset
    static constexpr int RubberMaxSqueeze = 14;

    // Port positions (centre line y of the bores).
    static constexpr int Port21Y = 190;
    static constexpr int Port11Y = 236;
    static constexpr int Port22Y = 318;
    static constexpr int Port12Y = 350;

    explicit ValveGeometry(const FrameRow &row);

    int upperTravel() const { return m_upper; } // downward, px
    int relayTravel() const { return m_relay; }
    int rubberSqueeze() const { return m_squeeze; }
    int plungerTravel() const { return m_upper + m_squeeze; }
    int body1Travel() const { return m_body1; }
    int body2Travel() const { return m_body2; }

    bool inlet1Open() const;
    bool outlet1Open() const;
    bool inlet2Open() const;
    bool outlet2Open() const;
    bool touching() const;

    // Derived positions.
    int pistonTop() const { return PistonTop + m_upper; }
    int pistonBottom() const { return pistonTop() + PistonHeight; }
    int lipBottom() const { return Partition1Bottom - Outlet1Gap + m_upper; }
    int disc1Top() const { return Partition1Bottom + m_body1; }
    int relayTop() const { return RelayTop + m_relay; }
    int relayBottom() const { return relayTop() + PistonHeight; }
    int relayLipBottom() const { return Partition3Bottom - Outlet2Gap + m_relay; }
    int disc2Top() const { return Partition3Bottom + m_body2; }
    int pinEnd() const { return RelayTop - ContactGap + m_upper; }
    int plungerTop() const { return PlungerTop + plungerTravel(); }
    int plateTop() const { return PlateTop + plungerTravel(); }

private:
    UpperState m_upperState;
    int m_upper = 0;
    int m_relay = 0;
    int m_squeeze = 0;
    int m_body1 = 0;
    int m_body2 = 0;
};
