#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "engine.h"
#include "fake_document_opener.h"
#include "fake_settings_store.h"
#include "lumor_ana_form.h"

namespace lumor::testing {

// A loaded, shown calculator window over fakes, driven like a user would.
class FormHarness {
 public:
  FormHarness();
  virtual ~FormHarness();

  // The user picks the item with this text from the box's list, by mouse on
  // the popup or by keyboard on it.
  void Pick(toolkit::ComboBox* combo, const QString& item, bool byMouse = false);
  void ClickOption(toolkit::OptionButton* option);
  // Replaces the box's text the way a user does: select all, then type.
  void Type(toolkit::TextBox* box, const QString& text);

  QStringList Items(toolkit::ComboBox* combo) const;
  // Indices of the visible members of a photo stack.
  std::vector<int> VisibleLeft() const;
  std::vector<int> VisibleRight() const;
  // "Image4", "Image5" or "Fig0Picture", joined when several show.
  std::string VisibleMiddle() const;
  bool MultimodeEnabled() const;
  std::string Line() const;

  FakeSettingsStore store;
  std::unique_ptr<Engine> engine;
  FakeDocumentOpener opener;
  int aboutShown = 0;
  std::string decimalWhenAboutShown;  // the user's setting as the About dialog opens
  QStringList messages;
  std::unique_ptr<Lumor_ana_form> form;
};

class FormFixture : public ::testing::Test, public FormHarness {};

}  // namespace lumor::testing
