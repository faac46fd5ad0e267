#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Action.h"

#include <optional>

class FakePlatform;
class FormState;
class Demonstration;
class MainForm;

// What must hold of the window between any two events, whatever the user did: at most 51 busy
// slots, every busy slot's record seven fields that parse, no tick left half-run, no message box
// left open. Returns a description of the first fault, or the empty text.
std::string CheckFormInvariants(const MainForm& form);

// The whole state of the window as text, for comparing two windows: every packet marker, payload
// and control that can change, the window-level variables and every router's rows and reply.
std::string DescribeState(const FormState& form);

// Makes the platform check, whenever the out-of-packets message is shown, that slots 0 to 49 were
// all busy and that a tick falling due while the box is open does not run; faults are added to
// `faults`.
void WatchOutOfPackets(FakePlatform& platform, MainForm& form, std::vector<std::string>& faults);

// Turns two bytes into one user action on the window: a click on any control (hidden ones
// included), either mouse button on a cost label, a scenario choice or the check box; none for
// the bytes that mean a run of ticks.
std::optional<Action> UserAction(std::uint8_t op, std::uint8_t arg);

// Performs the user action two bytes mean, or runs their ticks. Returns the number of ticks run.
int ApplyUserAction(MainForm& form, std::uint8_t op, std::uint8_t arg);

// The same through the lesson, with the lecturer's extras besides: each action is kept for undo,
// and some bytes undo, redo, step while paused, change the highlighting or switch RIP's rules.
// `now` is the time.
int ApplyLectureAction(Demonstration& demonstration, std::uint8_t op, std::uint8_t arg,
                       long now = 0);
