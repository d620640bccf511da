#pragma once

#include "app/shell/frm_main.h"

// The main form's shared state and report box, for tests only: the screens
// reach them through the context they are given. Call form:
// MainFormInside(*main).context().ProcessingFlag.
class MainFormInside {
  public:
    explicit MainFormInside(frmMain& main) : main_(main) {}

    FormContext& context() const { return *main_.context_; }
    ReportWindow& report() const { return *main_.report_; }

  private:
    frmMain& main_;
};
