#pragma once

#include <span>

#include "control_row.h"

namespace lumor {

// The calculator window as data, in twips.
struct MainWindowLayout {
  static constexpr const char* kCaption =
      "Lumor - VORN DIŞ ZODEVUR A.Ş. Patch cord ve Pig-Tail Müşteri Programı / Customer Program";
  static constexpr int kClientWidth = 9870;
  static constexpr int kClientHeight = 7830;

  // The catalogue icon is a control of its own kind, placed by the window.
  static constexpr int kCatalogueLeft = 7440;
  static constexpr int kCatalogueTop = 360;
  static constexpr int kCatalogueWidth = 1440;
  static constexpr int kCatalogueHeight = 1125;
  static constexpr int kCatalogueTabIndex = 23;

  // The photo stacks of the left and the right end (Image2, Image3).
  static constexpr int kLeftPhotoCount = 14;
  static constexpr int kRightPhotoCount = 16;

  static std::span<const toolkit::ControlRow> Controls();
};

}  // namespace lumor
