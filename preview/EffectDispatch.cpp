#include "preview/EffectDispatch.h"

#include <memory>
#include <optional>
#include <utility>

#include <QPushButton>

#include "browser/CategoryButtons.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "preview/UnitPreview.h"
#include "worker/RenderWorker.h"

namespace qv {

namespace {

// The kernels' colour prompt on the render thread: each question goes to
// the window's prompt on the GUI thread while the render waits for the
// answer. The answer is shared, since a cancelled render does not wait.
class ForwardedPrompt : public ColorPrompt {
 public:
  ForwardedPrompt(RenderWorker &worker, ColorPrompt *gui) : worker_(worker), gui_(gui) {}
  std::optional<TColor> AskColor() override {
    auto answer = std::make_shared<std::optional<TColor>>();
    worker_.Ask([answer, gui = gui_] { *answer = gui->AskColor(); });
    return *answer;
  }

 private:
  RenderWorker &worker_;
  ColorPrompt *gui_;
};

// Categories that leave "Change Color" alone when chosen let each effect
// decide once it is rendered: offered where its recipe asks for a colour.
std::optional<bool> ChangeColorOffered(int category, int n) {
  const CategoryButton *button = CategoryButtonOf(category);
  if (!button || button->ChangeColor != ChangeColorOnChoice::Keep) return std::nullopt;
  return OffersChangeColor(category, n);
}

}  // namespace

void ShowPreview(TFormPreview &dialog) {
  dialog.ShowBeside();
}

void DispatchEffect(TFormPreview &dialog, RenderWorker &worker, int n, int category,
                    PictureRef work, PictureRef &result, const KernelEnv &env,
                    std::function<void(std::exception_ptr error)> ended) {
  dialog.BeginRender();
  ShowPreview(dialog);
  auto show = [&dialog, &result, work, category, n] {
    dialog.ShowRender(result, work);
    if (const auto offered = ChangeColorOffered(category, n)) dialog.BtnColor->setVisible(*offered);
  };
  if (!HasFullSizeRender(category)) {
    worker.Cancel();
    show();
    ended(nullptr);
    return;
  }

  const TColor brush = result->BrushColor();
  worker.Start(
      [&worker, work, &result, env, brush, category, n](const RunControl &control) {
        KernelEnv mine = env;
        mine.Control = control;
        ForwardedPrompt prompt(worker, env.Prompt);
        if (env.Prompt) mine.Prompt = &prompt;
        auto render = std::make_shared<Bitmap>();
        render->SetBrushColor(brush);
        // The render becomes the window's result as it is, brush included.
        auto handOver = [&worker, &result, render] {
          worker.Deliver([&result, render] { result = render; });
        };
        try {
          RenderRecipe(category, n, *work, *render, mine, RenderSize::FullSize);
        } catch (const Cancelled &) {
          throw;
        } catch (...) {
          handOver();  // what the steps before the failing one made
          throw;
        }
        handOver();
      },
      [&dialog, show, ended = std::move(ended)](std::exception_ptr error) {
        if (error)
          dialog.RenderFailed();
        else
          show();
        ended(error);
      });
}

}  // namespace qv
