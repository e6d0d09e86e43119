// The main window's saved layout and its binding to the window's controls:
// read from the program's resources, each control made from its node in tab
// order (or placed again at a new density), and the window shaped from the
// mask picture the layout names.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Layout.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Timer.h"

namespace main_layout {

// One control of the window as the layout names it.
struct Slot {
  const char* name;
  const char* kind;
  toolkit::Control* control;
};

// The layout among the program's resources; std::runtime_error when it is
// missing or does not parse.
toolkit::LayoutNode Load(const char* resource);

// Timer1's interval and state; std::runtime_error for any other timer.
void SetUpTimer(const toolkit::LayoutNode& layout, toolkit::Timer& timer1);

// Makes each slot's control from its node, in tab order (the order the
// keyboard visits them), and the mask's box from the picSkinMask node,
// answering the mask picture's saved value. std::runtime_error when the
// layout and the slots do not match one to one.
std::string CreateControls(toolkit::Form& form, const toolkit::LayoutNode& layout,
                           std::span<const Slot> slots, std::unique_ptr<toolkit::PictureBox>& mask);

// Places every slot's control and the mask's box again, for the density the
// form is laid out for now.
void Relayout(toolkit::Form& form, const toolkit::LayoutNode& layout, std::span<const Slot> slots,
              std::unique_ptr<toolkit::PictureBox>& mask);

// Cuts the window to the outline of the mask picture; an unreadable mask
// leaves it rectangular. The box lets its pictures go afterwards.
void ShapeWindow(toolkit::Form& form, toolkit::PictureBox& mask, const std::string& maskPicture);

}  // namespace main_layout
