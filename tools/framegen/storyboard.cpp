#include "storyboard.h"

#include "frametables.h"

namespace {

using U = UpperState;
using R = RelayState;

FrameRow row(int pedal, UpperState upper, RelayState relay, double p11, double p21, double p12,
             double p22, unsigned flows, unsigned marks, unsigned labels, bool lamp1, bool lamp2,
             bool leaking, const char *caption)
{
    return FrameRow{pedal, upper, relay, p11, p21, p12, p22, flows, marks, labels,
                    lamp1, lamp2, leaking, QString::fromUtf8(caption)};
}

} // namespace

// Film I: the line behind port 21 leaks. Circuit I builds no pressure, the
// pedal travels on until the upper piston pushes the relay piston.
Film Storyboard::film1()
{
    Film f{1, FrameTables::Film1FirstPicture, FrameTables::Film1PictureHeight, 1, {}};
    auto &r = f.rows;
    // clang-format off
    r << row(  0, U::O0, R::R0, 8.0, 0, 8.0, 0,   FlowNone, MarkNone, LabelAll, false, false, false,
             "Ausfall Kreis I: Leitung an 21 undicht – Ruhestellung")
      << row( 10, U::O0, R::R0, 8.0, 0, 8.0, 0,   FlowNone, MarkRubber, LabelPedal | LabelRubber, false, false, false,
             "Bremspedal wird betätigt")
      << row( 20, U::O1, R::R0, 8.0, 0, 8.0, 0,   FlowNone, MarkOutlet1, LabelExhaust, false, false, false,
             "Auslass I schließt – 21 von Entlüftung 3 getrennt")
      << row( 30, U::O2, R::R0, 7.9, 0, 8.0, 0,   Flow11To21, MarkNone, LabelValveBody1, false, false, false,
             "Einlass I öffnet – Luft strömt von 11 nach 21")
      << row( 30, U::O3, R::R0, 7.7, 0, 8.0, 0,   Flow11To21 | FlowToLeak, MarkNone, LabelNone, false, false, true,
             "Kreis I undicht – kein Druckaufbau in 21")
      << row( 40, U::O3, R::R0, 7.5, 0, 8.0, 0,   FlowNone, MarkControlZero, LabelControl | LabelRelayPiston, false, false, true,
             "Kein Steuerdruck – Relaiskolben bleibt in Ruhe")
      << row( 50, U::O3, R::R0, 7.3, 0, 8.0, 0,   PlungerDown, MarkNone, LabelPedal | LabelPlunger, false, false, true,
             "Keine Gegenkraft – Pedal geht weiter durch")
      << row( 60, U::OK, R::R0, 7.1, 0, 8.0, 0,   FlowNone, MarkContact, LabelUpperPiston | LabelRelayPiston, false, false, true,
             "Oberer Kolben liegt mechanisch am Relaiskolben an")
      << row( 65, U::OK, R::R1, 6.9, 0, 8.0, 0,   FlowNone, MarkOutlet2, LabelRelayPiston, false, false, true,
             "Relaiskolben wird mechanisch verschoben – Auslass II zu")
      << row( 70, U::OK, R::R2, 6.7, 0, 8.0, 0.5, Flow12To22, MarkNone, LabelValveBody2, false, false, true,
             "Einlass II öffnet – Luft strömt von 12 nach 22")
      << row( 70, U::OK, R::R2, 6.5, 0, 8.0, 1.5, Flow12To22, MarkRubber, LabelRubber | LabelPedal, false, false, true,
             "Druck in 22 drückt zurück – Gegenkraft am Pedal")
      << row( 70, U::OK, R::R2, 6.2, 0, 8.0, 2.5, Flow12To22, MarkNone, LabelBrakeChambers, false, false, true,
             "Kreis II bremst trotz Ausfall von Kreis I")
      << row( 70, U::OK, R::RL, 5.9, 0, 8.0, 3.0, FlowToLeak, MarkNone, LabelNone, false, false, true,
             "Abschlussstellung Kreis II – 22 hält 3 bar")
      << row( 70, U::OK, R::RL, 5.5, 0, 8.0, 3.0, Flow11To21 | FlowToLeak, MarkInlet1, LabelNone, false, false, true,
             "Einlass I bleibt offen – Vorrat I strömt ins Freie")
      << row( 70, U::OK, R::RL, 5.1, 0, 8.0, 3.0, FlowToLeak, MarkLamp, LabelNone, true, false, true,
             "Vorratsdruck I sinkt – Warnleuchte Kreis I")
      << row( 70, U::OK, R::RL, 4.8, 0, 8.0, 3.0, FlowNone, MarkPedalBar, LabelNone, true, false, true,
             "Merkmal: längerer Pedalweg, schwächere Bremsung")
      << row( 80, U::OK, R::R2, 4.5, 0, 8.0, 4.5, Flow12To22, MarkNone, LabelNone, true, false, true,
             "Fahrer tritt stärker – Einlass II öffnet erneut")
      << row( 90, U::OK, R::R2, 4.2, 0, 8.0, 6.5, Flow12To22, MarkNone, LabelNone, true, false, true,
             "Druck in 22 steigt weiter")
      << row(100, U::OF, R::RF, 3.9, 0, 8.0, 8.0, Flow12To22, MarkNone, LabelNone, true, false, true,
             "Vollbremsung: Kreis II erhält vollen Vorratsdruck")
      << row(100, U::OF, R::RF, 3.6, 0, 8.0, 8.0, FlowToLeak, MarkNone, LabelBrakeChambers, true, false, true,
             "Räder von Kreis I bleiben ungebremst")
      << row(100, U::OF, R::RF, 3.3, 0, 8.0, 8.0, FlowToLeak, MarkNone, LabelNone, true, false, true,
             "Luft entweicht an 21, solange gebremst wird")
      << row( 80, U::OK, R::RL, 3.1, 0, 8.0, 8.0, RelayUp, MarkNone, LabelPedal | LabelRelayPiston, true, false, true,
             "Pedal wird gelöst – Einlass II schließt")
      << row( 60, U::OK, R::RA, 2.9, 0, 8.0, 5.0, Vent22, MarkNone, LabelExhaust, true, false, true,
             "Auslass II öffnet – 22 entlüftet über 3")
      << row( 30, U::O1, R::R0, 2.8, 0, 8.0, 2.5, Vent22, MarkInlet1, LabelNone, true, false, false,
             "Einlass I schließt – Luftverlust an 21 endet")
      << row( 10, U::O0, R::R0, 2.8, 0, 8.0, 1.0, Vent22, MarkNone, LabelExhaust, true, false, false,
             "Auslass I und II offen – Entlüftung über 3")
      << row(  0, U::O0, R::R0, 3.2, 0, 8.0, 0,   FlowNone, MarkNone, LabelNone, true, false, false,
             "Fahrtstellung – Bremse gelöst")
      << row(  0, U::O0, R::R0, 4.0, 0, 8.0, 0,   Refill, MarkNone, LabelNone, true, false, false,
             "Vorrat Kreis I wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 4.8, 0, 8.0, 0,   Refill, MarkNone, LabelNone, true, false, false,
             "Vorrat Kreis I wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 5.6, 0, 8.0, 0,   Refill, MarkLamp, LabelNone, false, false, false,
             "Vorrat Kreis I wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 6.4, 0, 8.0, 0,   Refill, MarkNone, LabelUpperPiston | LabelRelayPiston, false, false, false,
             "Merke: Relaiskolben wird mechanisch mitgenommen")
      << row(  0, U::O0, R::R0, 7.0, 0, 8.0, 0,   Refill, MarkNone, LabelUpperPiston | LabelRelayPiston, false, false, false,
             "Merke: Relaiskolben wird mechanisch mitgenommen")
      << row(  0, U::O0, R::R0, 7.5, 0, 8.0, 0,   Refill, MarkNone, LabelNone, false, false, false,
             "Merke: Kreis II bleibt abstufbar, Pedalweg länger")
      << row(  0, U::O0, R::R0, 7.8, 0, 8.0, 0,   Refill, MarkNone, LabelNone, false, false, false,
             "Merke: Kreis II bleibt abstufbar, Pedalweg länger")
      << row(  0, U::O0, R::R0, 8.0, 0, 8.0, 0,   FlowNone, MarkNone, LabelNone, false, false, false,
             "Merke: Luftverlust nur beim Bremsen (Leck hinter 21)")
      << row(  0, U::O0, R::R0, 8.0, 0, 8.0, 0,   FlowNone, MarkNone, LabelNone, false, false, false,
             "Merke: Luftverlust nur beim Bremsen (Leck hinter 21)")
      << row(  0, U::O0, R::R0, 8.0, 0, 8.0, 0,   FlowNone, MarkNone, LabelAll, false, false, false,
             "Ruhestellung – Leitung an 21 weiterhin undicht");
    // clang-format on
    return f;
}

// Film II: the line behind port 22 leaks. Circuit I works and still moves
// the relay piston by air; reservoir II blows off while braking.
Film Storyboard::film2()
{
    Film f{2, FrameTables::Film2FirstPicture, FrameTables::Film2PictureHeight, 2, {}};
    auto &r = f.rows;
    // clang-format off
    r << row(  0, U::O0, R::R0, 8.0, 0,   8.0, 0, FlowNone, MarkNone, LabelAll, false, false, false,
             "Ausfall Kreis II: Leitung an 22 undicht – Ruhestellung")
      << row( 10, U::O0, R::R0, 8.0, 0,   8.0, 0, FlowNone, MarkNone, LabelPedal, false, false, false,
             "Bremspedal wird betätigt")
      << row( 20, U::O1, R::R0, 8.0, 0,   8.0, 0, FlowNone, MarkOutlet1, LabelExhaust, false, false, false,
             "Auslass I schließt – 21 von Entlüftung 3 getrennt")
      << row( 30, U::O2, R::R0, 8.0, 0.5, 8.0, 0, Flow11To21, MarkNone, LabelValveBody1, false, false, false,
             "Einlass I öffnet – Luft strömt von 11 nach 21")
      << row( 30, U::O2, R::R0, 8.0, 1.0, 8.0, 0, Flow21ToControl, MarkNone, LabelControl | LabelRelayPiston, false, false, false,
             "Steuerdruck aus Kreis I wirkt auf den Relaiskolben")
      << row( 30, U::O2, R::R1, 8.0, 1.3, 8.0, 0, FlowNone, MarkOutlet2, LabelRelayPiston, false, false, false,
             "Relaiskolben bewegt sich – Auslass II schließt")
      << row( 30, U::O2, R::R2, 8.0, 1.6, 8.0, 0, Flow12To22, MarkNone, LabelValveBody2, false, false, false,
             "Einlass II öffnet – Luft strömt von 12 nach 22")
      << row( 30, U::O2, R::R2, 8.0, 2.0, 7.8, 0, Flow12To22 | FlowToLeak, MarkNone, LabelNone, false, false, true,
             "Kreis II undicht – kein Druckaufbau in 22")
      << row( 30, U::O2, R::RF, 8.0, 2.5, 7.5, 0, RelayDown, MarkNone, LabelRelayPiston, false, false, true,
             "Kein Gegendruck – Relaiskolben geht bis Anschlag")
      << row( 30, U::OL, R::RF, 8.0, 3.0, 7.2, 0, PistonUp, MarkRubber, LabelRubber | LabelUpperPiston, false, false, true,
             "Abschlussstellung Kreis I – 21 hält 3 bar")
      << row( 30, U::OL, R::RF, 8.0, 3.0, 6.9, 0, FlowToLeak, MarkNone, LabelPedal | LabelRubber, false, false, true,
             "Kreis I bremst normal – Pedalgefühl unverändert")
      << row( 30, U::OL, R::RF, 8.0, 3.0, 6.5, 0, Flow12To22 | FlowToLeak, MarkInlet2, LabelNone, false, false, true,
             "Einlass II bleibt offen – Vorrat II strömt ins Freie")
      << row( 30, U::OL, R::RF, 8.0, 3.0, 6.0, 0, FlowToLeak, MarkNone, LabelNone, false, false, true,
             "Luftverlust an 22 nur, solange gebremst wird")
      << row( 30, U::OL, R::RF, 8.0, 3.0, 5.6, 0, FlowToLeak, MarkNone, LabelNone, false, false, true,
             "Merkmal: schwächere Bremsung, Zischen am Leck")
      << row( 30, U::OL, R::RF, 8.0, 3.0, 5.1, 0, FlowToLeak, MarkLamp, LabelNone, false, true, true,
             "Vorratsdruck II sinkt – Warnleuchte Kreis II")
      << row( 50, U::O2, R::RF, 8.0, 4.0, 4.8, 0, Flow11To21, MarkNone, LabelNone, false, true, true,
             "Fahrer tritt stärker – Einlass I öffnet erneut")
      << row( 60, U::O2, R::RF, 8.0, 5.0, 4.5, 0, Flow11To21, MarkNone, LabelNone, false, true, true,
             "Druck in 21 steigt weiter")
      << row( 60, U::OL, R::RF, 8.0, 5.5, 4.2, 0, FlowToLeak, MarkNone, LabelNone, false, true, true,
             "Neue Abschlussstellung – 21 hält 5,5 bar")
      << row(100, U::OF, R::RF, 8.0, 7.0, 3.9, 0, Flow11To21, MarkNone, LabelPedal, false, true, true,
             "Vollbremsung – Pedal ganz durchgetreten")
      << row(100, U::OF, R::RF, 8.0, 8.0, 3.6, 0, Flow11To21, MarkNone, LabelNone, false, true, true,
             "Vollbremsung: Kreis I erhält vollen Vorratsdruck")
      << row(100, U::OF, R::RF, 8.0, 8.0, 3.3, 0, FlowToLeak, MarkNone, LabelBrakeChambers, false, true, true,
             "Räder von Kreis II bleiben ungebremst")
      << row(100, U::OF, R::RF, 8.0, 8.0, 3.0, 0, FlowToLeak, MarkNone, LabelNone, false, true, true,
             "Vorrat II entweicht weiter über das Leck")
      << row( 50, U::OA, R::RF, 8.0, 6.0, 2.8, 0, Vent21, MarkOutlet1, LabelPedal | LabelExhaust, false, true, true,
             "Pedal teilweise gelöst – Auslass I öffnet")
      << row( 50, U::OL, R::RF, 8.0, 4.0, 2.6, 0, FlowToLeak, MarkNone, LabelNone, false, true, true,
             "Teillösen: neue Abschlussstellung bei 4 bar")
      << row(  0, U::O0, R::RF, 8.0, 2.0, 2.4, 0, Vent21, MarkNone, LabelPedal | LabelExhaust, false, true, true,
             "Pedal gelöst – Kreis I entlüftet über 3")
      << row(  0, U::O0, R::RA, 8.0, 0.3, 2.3, 0, Vent21, MarkInlet2, LabelRelayPiston, false, true, false,
             "Relaiskolben geht zurück – Einlass II schließt")
      << row(  0, U::O0, R::R0, 8.0, 0,   2.3, 0, FlowNone, MarkNone, LabelNone, false, true, false,
             "Fahrtstellung – Luftverlust an 22 beendet")
      << row(  0, U::O0, R::R0, 8.0, 0,   2.8, 0, Refill, MarkNone, LabelNone, false, true, false,
             "Vorrat Kreis II wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 8.0, 0,   3.6, 0, Refill, MarkNone, LabelNone, false, true, false,
             "Vorrat Kreis II wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 8.0, 0,   4.4, 0, Refill, MarkNone, LabelNone, false, true, false,
             "Vorrat Kreis II wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 8.0, 0,   5.3, 0, Refill, MarkLamp, LabelNone, false, false, false,
             "Vorrat Kreis II wird wieder aufgefüllt")
      << row(  0, U::O0, R::R0, 8.0, 0,   6.1, 0, Refill, MarkNone, LabelNone, false, false, false,
             "Merke: Kreis I arbeitet bei Ausfall von Kreis II normal")
      << row(  0, U::O0, R::R0, 8.0, 0,   6.8, 0, Refill, MarkNone, LabelNone, false, false, false,
             "Merke: Kreis I arbeitet bei Ausfall von Kreis II normal")
      << row(  0, U::O0, R::R0, 8.0, 0,   7.4, 0, Refill, MarkNone, LabelRelayPiston | LabelControl, false, false, false,
             "Merke: Relaiskolben weiter pneumatisch betätigt")
      << row(  0, U::O0, R::R0, 8.0, 0,   7.8, 0, Refill, MarkNone, LabelRelayPiston | LabelControl, false, false, false,
             "Merke: Relaiskolben weiter pneumatisch betätigt")
      << row(  0, U::O0, R::R0, 8.0, 0,   8.0, 0, FlowNone, MarkNone, LabelNone, false, false, false,
             "Merke: Pedalgefühl normal – Manometer beachten!")
      << row(  0, U::O0, R::R0, 8.0, 0,   8.0, 0, FlowNone, MarkNone, LabelNone, false, false, false,
             "Merke: Pedalgefühl normal – Manometer beachten!")
      << row(  0, U::O0, R::R0, 8.0, 0,   8.0, 0, FlowNone, MarkNone, LabelAll, false, false, false,
             "Ruhestellung – Leitung an 22 weiterhin undicht");
    // clang-format on
    return f;
}
