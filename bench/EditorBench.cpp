// The editor's own steps on large pictures, each next to the work it cannot
// avoid, measured in the same run under Qt's offscreen platform:
//  - Open of a 24 MP JPEG, against reading and decoding the same file;
//  - Save of a 12 MP JPEG (until it is written), against encoding it into
//    a file;
//  - a repaint of the main display at 1920 x 1080 with a 24 MP picture
//    (against nothing: it should cost next to nothing at any picture size);
//  - the full-size preview of a light map on a 12 MP picture, against the
//    render of the same effect on the same bitmap;
//  - the history's memory after ten Applies on a 24 MP photo, and a walk
//    from its start to its end and back that makes dropped pictures again;
//  - a brush dab in the preview of a 24 MP picture, 200 screen pixels in
//    radius: the picture's mask painted, the screen pixels it touched mixed
//    again and painted (within one frame, 16 ms, it must stay);
//  - Apply of a preview with a brushed mask, against Apply at a strength.
// Files go to a folder in /dev/shm, so no disk is timed.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "ScriptedDialogs.h"
#include "app/Unit1.h"
#include "bench/TimingReporter.h"
#include "codecs/Codecs.h"
#include "gfx/ContentHash.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "kernels/Step.h"
#include "preview/MaskToolBar.h"
#include "preview/PreviewView.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"

namespace qv::bench {
namespace {

constexpr int kLightA = 1, kEffect = 3;

// A photo-like picture: smooth ramps with fine grain, which JPEG stores at
// a photo's usual size.
Bitmap Photo(int width, int height) {
  Bitmap picture;
  picture.Recreate(width, height);
  std::uint32_t s = 12345;
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = picture.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      s = s * 1664525u + 1013904223u;
      const int grain = int(s >> 29) - 4;
      row[3 * x] = std::uint8_t(std::clamp(x * 255 / width + grain, 0, 255));
      row[3 * x + 1] = std::uint8_t(std::clamp(y * 255 / height + grain, 0, 255));
      row[3 * x + 2] = std::uint8_t(std::clamp((x + y) * 127 / (width + height) + 64, 0, 255));
    }
  }
  return picture;
}

struct Files {
  QTemporaryDir dir{QStringLiteral("/dev/shm/qv-editor-bench.XXXXXX")};
  std::string Path(const char *name) const { return QDir(dir.path()).filePath(name).toStdString(); }
  Files() {
    WritePicture(Path("24mp.jpg"), Photo(6000, 4000));
    WritePicture(Path("12mp.jpg"), Photo(4000, 3000));
  }
};

const Files &Shared() {
  static const Files files;
  return files;
}

// The editor's window laid out for a 1920 x 1080 screen, with the program
// folder beside this executable (the sample, the skin and the artwork).
struct Window {
  ScriptedDialogs dialogs;
  std::unique_ptr<TFormMain> form;
  Window() {
    form = std::make_unique<TFormMain>(
        dialogs, QCoreApplication::applicationDirPath() + QStringLiteral("/"), QSize(1920, 1080));
    form->resize(1920, 1080);
    form->show();
    QCoreApplication::processEvents();
  }
  void Open(const std::string &path) {
    form->OpenFile(QString::fromStdString(path));
    QCoreApplication::processEvents();
  }
  // Until the render is shown: the worker's delivery is an event, so
  // waiting for events wakes as soon as it arrives.
  void Settle() {
    while (form->Rendering())
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
};

void BM_Open24MP(benchmark::State &state) {
  Window window;
  for (auto _ : state) window.Open(Shared().Path("24mp.jpg"));
}

void BM_ReadAndDecode24MP(benchmark::State &state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadPictureFile(Shared().Path("24mp.jpg")));
}

void BM_Save12MP(benchmark::State &state) {
  Window window;
  window.Open(Shared().Path("12mp.jpg"));
  const QString target = QString::fromStdString(Shared().Path("saved.jpg"));
  for (auto _ : state) {
    window.dialogs.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{target, 1});
    window.dialogs.ReplaceAnswers.push_back(true);
    if (!window.form->BtnSaveClick() || !window.form->FinishSave())
      state.SkipWithError("the save failed");
  }
}

void BM_Encode12MP(benchmark::State &state) {
  const DecodedPicture picture = ReadPictureFile(Shared().Path("12mp.jpg"));
  for (auto _ : state)
    WritePictureFile(Shared().Path("encoded.jpg"), PictureFormat::Jpeg, picture.Pixels,
                     picture.Meta);
}

void BM_Repaint1920x1080(benchmark::State &state) {
  Window window;
  window.Open(Shared().Path("24mp.jpg"));
  window.form->ImgEffect->repaint();  // the screen copy is made once per picture
  for (auto _ : state) window.form->ImgEffect->repaint();
}

void BM_PreviewLightMap12MP(benchmark::State &state) {
  Window window;
  window.Open(Shared().Path("12mp.jpg"));
  window.form->CategoryClick(kLightA);
  window.Settle();
  for (auto _ : state) {
    window.form->ImgViewNClick(kEffect);
    window.Settle();
  }
}

void BM_RenderLightMap12MP(benchmark::State &state) {
  const Bitmap picture = ReadPicture(Shared().Path("12mp.jpg"));
  const KernelEnv env{(QCoreApplication::applicationDirPath() + QStringLiteral("/")).toStdString()};
  Bitmap result;
  for (auto _ : state) RenderRecipe(kLightA, kEffect, picture, result, env, RenderSize::FullSize);
}

// Resident and peak memory of the process, in MB, from /proc.
double ProcMegabytes(const char *field) {
  FILE *status = std::fopen("/proc/self/status", "r");
  if (!status) return 0;
  char line[256];
  double kb = 0;
  const std::size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, status))
    if (std::strncmp(line, field, length) == 0) kb = std::atof(line + length + 1);
  std::fclose(status);
  return kb / 1024;
}

std::uint64_t HashOf(const Bitmap &picture) {
  return ContentHash({picture.Bits(), picture.ByteCount()});
}

// Ten Applies of light maps (every other at 80 %) on a 24 MP photo: the
// history's bytes, its budget and the process's resident size after them;
// then Undo to the start and Redo to the end, each picture checked against
// the chain of its steps made apart. The time is the walk there and back.
void BM_HistoryOfTenApplies24MP(benchmark::State &state) {
  Window window;
  window.Open(Shared().Path("24mp.jpg"));
  EditSession &session = window.form->Session();
  const KernelEnv env = session.Env();
  std::vector<std::uint64_t> chain{HashOf(*session.WorkBitmap())};
  PictureRef made = session.WorkBitmap();
  for (int n = 1; n <= 10; ++n) {
    window.form->CategoryClick(n % 2 ? 1 : 2);
    window.Settle();
    window.form->ImgViewNClick(n);
    window.Settle();
    window.form->ApplyPreview(n % 2 ? 100 : 80);
    made = ApplyStep(session.Steps().Current().Made, made, env);
    chain.push_back(HashOf(*made));
  }
  made.reset();
  state.counters["history_MB"] = double(session.Steps().Bytes()) / (1 << 20);
  state.counters["budget_MB"] = double(session.Steps().Budget()) / (1 << 20);
  state.counters["resident_MB"] = ProcMegabytes("VmRSS");
  for (auto _ : state) {
    bool same = HashOf(*session.WorkBitmap()) == chain.back();
    session.MoveTo(0);
    for (std::size_t i = 1; i < chain.size(); ++i) {
      session.Redo();
      same = same && HashOf(*session.WorkBitmap()) == chain[i];
    }
    for (std::size_t i = chain.size() - 1; i-- > 0;) {
      session.Undo();
      same = same && HashOf(*session.WorkBitmap()) == chain[i];
    }
    session.MoveTo(chain.size() - 1);
    if (!same) state.SkipWithError("a step did not give its bytes back");
  }
  state.counters["peak_MB"] = ProcMegabytes("VmHWM");
}

// The preview of light map 3 on the 24 MP photo in a 1600 x 1000 dialog,
// the eraser at 200 screen pixels and half hard.
struct Preview : Window {
  TFormPreview &Dialog;
  PreviewView &View;
  Preview() : Dialog(*form->FormPreview), View(*Dialog.ImgPreview) {
    Open(Shared().Path("24mp.jpg"));
    form->CategoryClick(kLightA);
    Settle();
    form->ImgViewNClick(kEffect);
    Settle();
    Dialog.resize(1600, 1000);
    QCoreApplication::processEvents();
    View.SetTool(PreviewView::Tool::Eraser);
    View.SetBrushSize(200);
    View.repaint();
  }
  void Mouse(QEvent::Type type, QPoint at) {
    QMouseEvent event(
        type, at, View.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&View, &event);
  }
};

// Counts the view's paints, so that every dab is seen to be shown.
struct Paints : QObject {
  int Count = 0;
  bool eventFilter(QObject *, QEvent *event) override {
    Count += event->type() == QEvent::Paint;
    return false;
  }
};

// One dab a step: the pointer moves a quarter of the radius (one dab's
// spacing) to and fro within a stroke, then the events are let through,
// which paints what the dab touched.
void BM_PreviewDab24MP(benchmark::State &state) {
  Preview preview;
  Paints paints;
  preview.View.installEventFilter(&paints);
  const QPoint start(preview.View.width() / 2 - 100, preview.View.height() / 2);
  preview.Mouse(QEvent::MouseButtonPress, start);
  QCoreApplication::processEvents();
  const int before = paints.Count;
  int i = 0;
  for (auto _ : state) {
    preview.Mouse(QEvent::MouseMove, start + QPoint(++i % 2 ? 50 : 0, 0));
    QCoreApplication::processEvents();
  }
  preview.Mouse(QEvent::MouseButtonRelease, start);
  state.counters["scale"] = preview.View.Scale();
  state.counters["paints_per_dab"] = double(paints.Count - before) / double(i);
}

// Apply from the preview, with a brushed mask (a few strokes) and without
// one at a strength: Undo after each, which is not timed.
void ApplyFromPreview(benchmark::State &state, bool brushed) {
  Preview preview;
  if (brushed) {
    for (int stroke = 0; stroke < 3; ++stroke) {
      const QPoint from(200 + 300 * stroke, 300);
      preview.Mouse(QEvent::MouseButtonPress, from);
      for (int step = 1; step <= 8; ++step)
        preview.Mouse(QEvent::MouseMove, from + QPoint(20 * step, 30 * step));
      preview.Mouse(QEvent::MouseButtonRelease, from + QPoint(160, 240));
    }
  }
  preview.View.SetStrength(80);
  for (auto _ : state) {
    preview.Dialog.BtnApplyClick();
    state.PauseTiming();
    preview.form->BtnUndoClick();
    // The preview again, with its mask: hiding started a fresh one.
    preview.form->ImgViewNClick(kEffect);
    preview.Settle();
    if (brushed)
      for (int stroke = 0; stroke < 3; ++stroke) {
        const QPoint from(200 + 300 * stroke, 300);
        preview.Mouse(QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 8; ++step)
          preview.Mouse(QEvent::MouseMove, from + QPoint(20 * step, 30 * step));
        preview.Mouse(QEvent::MouseButtonRelease, from + QPoint(160, 240));
      }
    preview.View.SetStrength(80);
    state.ResumeTiming();
  }
}

void BM_ApplyBrushed24MP(benchmark::State &state) {
  ApplyFromPreview(state, true);
}

void BM_ApplyAtStrength24MP(benchmark::State &state) {
  ApplyFromPreview(state, false);
}

BENCHMARK(BM_Open24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAndDecode24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Save12MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Encode12MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Repaint1920x1080)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewLightMap12MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderLightMap12MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HistoryOfTenApplies24MP)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_PreviewDab24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyBrushed24MP)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ApplyAtStrength24MP)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Prints each editor step against its bare work after the usual table.
class EditorReporter : public TimingReporter {
 public:
  void PrintRatios() const {
    const struct {
      const char *Step, *Bare, *Text;
    } pairs[] = {
        {"BM_Open24MP", "BM_ReadAndDecode24MP", "Open 24 MP / read and decode"},
        {"BM_Save12MP", "BM_Encode12MP", "Save 12 MP / encode into a file"},
        {"BM_PreviewLightMap12MP", "BM_RenderLightMap12MP", "light-map preview / render"},
        {"BM_ApplyBrushed24MP", "BM_ApplyAtStrength24MP", "Apply brushed / Apply at a strength"},
    };
    std::printf("\n%-50s %8s\n", "editor step against its bare work", "ratio");
    for (const auto &pair : pairs) {
      const auto step = times_.find(std::string(pair.Step) + "/real_time");
      const auto bare = times_.find(std::string(pair.Bare) + "/real_time");
      if (step != times_.end() && bare != times_.end())
        std::printf("%-50s %8.2f\n", pair.Text, step->second / bare->second);
    }
    const auto repaint = times_.find("BM_Repaint1920x1080/real_time");
    if (repaint != times_.end())
      std::printf("%-50s %5.2f ms\n", "repaint at 1920 x 1080 (24 MP picture)", repaint->second);
    const auto dab = times_.find("BM_PreviewDab24MP/real_time");
    if (dab != times_.end())
      std::printf("%-50s %5.2f ms\n", "a 200-pixel dab, mixed and shown (24 MP)", dab->second);
  }
};

}  // namespace
}  // namespace qv::bench

int main(int argc, char **argv) {
  // A window without a display, and settings (the recent files) in a home
  // of the run's own.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home(QStringLiteral("/dev/shm/qv-editor-home.XXXXXX"));
  for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
    qputenv(variable, QFile::encodeName(home.path()));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qv::bench::EditorReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
