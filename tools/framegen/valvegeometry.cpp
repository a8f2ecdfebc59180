#include "valvegeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int InletOpen = 4; // opening of an inlet in normal applying
constexpr int RelayFull = 12; // relay piston at its stop

int relayTravelOf(RelayState s)
{
    switch (s) {
    case RelayState::R0: return 0;
    case RelayState::R1:
    case RelayState::RL: return ValveGeometry::Outlet2Gap;
    case RelayState::RA: return ValveGeometry::Outlet2Gap - 3;
    case RelayState::R2: return ValveGeometry::Outlet2Gap + 3;
    case RelayState::RF: return RelayFull;
    }
    return 0;
}

} // namespace

ValveGeometry::ValveGeometry(const FrameRow &row)
    : m_upperState(row.upper)
{
    m_relay = relayTravelOf(row.relay);
    switch (row.upper) {
    case UpperState::O0: m_upper = 0; break;
    case UpperState::O1:
    case UpperState::OL: m_upper = Outlet1Gap; break;
    case UpperState::OA: m_upper = Outlet1Gap - 3; break;
    case UpperState::O2: m_upper = Outlet1Gap + InletOpen; break;
    case UpperState::O3: {
        // No back-pressure: the piston follows the pedal, from the normal
        // inlet opening at 30 % towards the contact at 60 %.
        const double t = std::clamp((row.pedal - 30) / 30.0, 0.0, 1.0);
        m_upper = int(std::lround(Outlet1Gap + InletOpen + t * (ContactGap - 1 - Outlet1Gap - InletOpen)));
        break;
    }
    case UpperState::OK: m_upper = ContactGap + m_relay; break;
    case UpperState::OF: m_upper = ContactGap + RelayFull; break;
    }
    m_body1 = std::max(0, m_upper - Outlet1Gap);
    m_body2 = std::max(0, m_relay - Outlet2Gap);

    // The rubber spring carries the pedal force: a little for the return
    // spring, then the back-pressure under the upper piston and, while the
    // pins bear on the relay piston, the pressure under that one too.
    if (row.pedal > 0) {
        double force = 3.0 + 2.0 * row.p21;
        if (touching())
            force += 2.0 * row.p22;
        m_squeeze = std::min(RubberMaxSqueeze, int(std::lround(force)));
    }
}

bool ValveGeometry::inlet1Open() const { return m_body1 > 0; }
bool ValveGeometry::outlet1Open() const { return m_upper < Outlet1Gap; }
bool ValveGeometry::inlet2Open() const { return m_body2 > 0; }
bool ValveGeometry::outlet2Open() const { return m_relay < Outlet2Gap; }
bool ValveGeometry::touching() const
{
    return m_upperState == UpperState::OK || m_upperState == UpperState::OF;
}
