#pragma once

#include <cstdint>
#include <optional>

#include "font_choice.h"

namespace lumor::toolkit {

enum class ControlKind {
  Frame,
  OptionButton,
  ComboBox,
  TextBox,
  Label,
  Image,       // ImageSlot that takes no focus
  PictureBox,  // ImageSlot that takes focus
  CommandButton,
  Line,
};

// One row of a window's layout table, in twips of the container's client area
// (a frame's origin is its top-left corner, caption included). Every member
// after `name` has a default, so rows may use designated initialisers.
struct ControlRow {
  ControlKind kind;
  const char* name;
  int index = -1;                   // member of a control array, or -1
  const char* container = nullptr;  // a control of an earlier row, or nullptr: the window
  const char* caption = nullptr;    // UTF-8: the caption, or a combo's or text box's initial text
  // For a Line these four are its end points: X1, Y1, X2, Y2.
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = -1;  // -1: takes no focus; frames, labels, images and lines never do
  FontChoice font = {};
  std::optional<uint32_t> foreColour = {};  // classic colour value; a Line's colour
  std::optional<uint32_t> backColour = {};  // gives the control a background of its own
  bool border = true;    // Frame: border and caption; Image, PictureBox: 2-pixel sunken edge
  bool wordWrap = true;  // Label
  const char* resource = nullptr;  // Image, PictureBox: the SVG resource path
  int lineWidth = 1;               // Line: pen width in pixels
  bool isDefault = false;          // CommandButton: pressed by Enter
  bool isCancel = false;           // CommandButton: pressed by Escape
  const char* labelFor =
      nullptr;  // Label: the control it captions, named after it for screen readers
};

}  // namespace lumor::toolkit
