#pragma once

class QWidget;

namespace tombolix {

struct TicketsRequest;

// "Comprobar jugadas": a window of its own where the player types, pastes or
// opens tickets, confirms the game's shape guessed from the history, picks
// the matching rule and the prize threshold, and reads the report, which it
// can copy, save and print like any report. A request with tickets checks
// them at once. Escape closes it. Returns the window (deleted when closed).
QWidget* OpenTicketsWindow(QWidget* parent, const TicketsRequest& request);

}  // namespace tombolix
