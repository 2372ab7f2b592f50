// What a Form tells its view, and what it takes from the renderer without echoing it back.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/Controls.h"
#include "ui/Form.h"

using namespace sequora::ui;

namespace {
struct RecordingView : FormView {
  std::vector<FormProperty> changes;
  int modalRuns = 0;
  void FormChanged(Form&, FormProperty what) override { changes.push_back(what); }
  void FocusRequested(Control&) override {}
  void RunModal(Form& form) override {
    ++modalRuns;
    form.Unload();  // the user closes it
  }
};
}  // namespace

TEST(FormView, ShowModalRunsTheViewsLoopAndReturnsUnloaded) {
  Form dialog("ImportForm");
  dialog.ShowModal();  // no view: shown, not blocked
  EXPECT_TRUE(dialog.Visible());
  EXPECT_TRUE(dialog.IsModal());
  dialog.Unload();
  EXPECT_FALSE(dialog.IsModal());

  RecordingView view;
  dialog.AttachView(&view);
  dialog.ShowModal();
  EXPECT_EQ(view.modalRuns, 1);
  EXPECT_FALSE(dialog.Loaded());

  bool cancelled = false;
  dialog.OnLoad = [&] { cancelled = dialog.Unload(); };  // a load handler that unloads again
  dialog.ShowModal();
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(view.modalRuns, 1);
  dialog.AttachView(nullptr);
}

TEST(FormView, WindowStateAndMovesFromTheUserAreNotEchoed) {
  Form form("Form1");
  RecordingView view;
  form.AttachView(&view);
  int resizes = 0;
  form.OnResize = [&] { ++resizes; };
  form.RaiseStateChanged(WindowState::Minimized);
  form.RaiseMoved(100, 200, 6000, 4500);  // same size: moved only
  form.RaiseMoved(100, 200, 7000, 4500);
  EXPECT_EQ(form.State(), WindowState::Minimized);
  EXPECT_EQ(form.Width(), 7000);
  EXPECT_EQ(resizes, 2);
  EXPECT_TRUE(view.changes.empty());
  form.SetState(WindowState::Normal);  // from code: the view hears of it
  EXPECT_EQ(view.changes, std::vector<FormProperty>{FormProperty::State});
  form.AttachView(nullptr);
}
