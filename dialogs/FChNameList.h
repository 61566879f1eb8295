// The list of every channel's name: eight inputs, eight outputs and the
// hidden effect channel, each name at most eight characters.
#pragma once

#include <QLineEdit>

#include <array>

#include "platform/Form.h"

class TUxBmpButton;

class TfmChNameList : public platform::Form {
 public:
  TfmChNameList();
  void FormShow() override;

  std::array<QLineEdit*, 8> edMatrixChNameIn{};   // A..H
  std::array<QLineEdit*, 8> edMatrixChNameOut{};  // 1..8
  QLineEdit* edMatrixChNameEff;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnCancel;
};

extern TfmChNameList* fmChNameList;
