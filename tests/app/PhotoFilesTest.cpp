// Photos as cameras write them, through the editor: opened upright, shown
// in sRGB, saved with their metadata; damaged files and read-only targets.

#include <sys/stat.h>

#include <QColorSpace>
#include <QTemporaryDir>
#include <QtTest>

#include "CodecTestUtil.h"
#include "EditorFixture.h"
#include "MetadataTestUtil.h"
#include "TestHome.h"
#include "preview/PreviewView.h"
#include "preview/UnitPreview.h"
#include "widgets/DisplayColor.h"
#include "widgets/Image.h"

using namespace qv;

class PhotoFilesTest : public QObject {
  Q_OBJECT
  QTemporaryDir work_;

  std::string Work(const char *name) const { return work_.filePath(name).toStdString(); }

  static void Open(test::Editor &e, const std::string &path) {
    e.dialogs.OpenAnswers.push_back(QString::fromStdString(path));
    e->BtnOpen->click();
  }
  static void Save(test::Editor &e, const std::string &path, int filter) {
    e.dialogs.SaveAnswers.push_back(
        ScriptedDialogs::SaveAnswer{QString::fromStdString(path), filter});
    e->BtnSave->click();
    e->FinishSave();
  }

 private slots:
  void aPhonePhotoOpensUprightAndSaveKeepsItsMetadata() {
    test::Editor e;
    const Metadata meta = test::CameraMetadata(6);  // stored a quarter turn from upright
    WriteFileBytes(Work("phone.jpg"), test::JpegWith(test::Gradient(30, 20), meta));
    Open(e, Work("phone.jpg"));
    QVERIFY2(e.dialogs.Messages.isEmpty(), qPrintable(e.dialogs.Messages.join("|")));
    QCOMPARE(e->Session().WorkBitmap()->Width(), 20);
    QCOMPARE(e->Session().WorkBitmap()->Height(), 30);

    Save(e, Work("saved.jpg"), 1);
    const test::MetadataSeen seen = test::ReadBackMetadata(ReadFileBytes(Work("saved.jpg")));
    QCOMPARE(seen.Make, std::string("Quorvane Test Camera"));
    QCOMPARE(seen.DateTaken, std::string("2024:05:06 07:08:09"));
    QCOMPARE(seen.GpsLatitude, std::string("48/1 6/1 0/1"));
    QCOMPARE(seen.XmpCreator, std::string("Ann Example"));
    QCOMPARE(seen.IptcKeyword, std::string("beach"));
    QVERIFY(seen.Icc == meta.Icc);
    QCOMPARE(seen.Orientation, 1L);
    QCOMPARE(seen.XmpOrientation, 1L);
    QCOMPARE(seen.PixelWidth, 20L);
    QCOMPARE(seen.PixelHeight, 30L);
    QVERIFY(!seen.ExifThumbnail && !seen.XmpThumbnail && !seen.PhotoshopThumbnail);

    Save(e, Work("saved.bmp"), 2);  // a BMP holds none
    QCOMPARE(ReadFileBytes(Work("saved.bmp")), EncodeBmp(e->ImgEffect->Picture()));

    // None of it where the preferences leave it out.
    Preferences stripped;
    stripped.KeepMetadata = false;
    e.dialogs.PreferencesAnswers.push_back(stripped);
    e->PreferencesClick();
    Save(e, Work("stripped.jpg"), 1);
    QVERIFY(test::ReadBackMetadata(ReadFileBytes(Work("stripped.jpg"))).Empty());
  }

  // The values stay the file's; only what the screen is given is sRGB.
  void anAdobeRgbPhotoIsShownConvertedEverywhere() {
    test::Editor e;
    QCOMPARE(e->ImgEffect->ColorSpace().isValid(), false);  // the sample has no profile
    const QByteArray adobe = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    QVERIFY(!adobe.isEmpty());
    Metadata meta;
    meta.Icc.assign(adobe.begin(), adobe.end());
    // Four stripes of mid greens (a uniform picture would be whitened).
    Bitmap flat(40, 40);
    const TColor greens[4] = {RGBColor(40, 170, 60), RGBColor(40, 160, 60), RGBColor(50, 170, 60),
                              RGBColor(40, 170, 70)};
    for (int i = 0; i < 4; ++i) {
      flat.SetBrushColor(greens[i]);
      flat.FillRect({i * 10, 0, i * 10 + 10, 40});
    }
    WriteFileBytes(Work("adobe.jpg"), test::JpegWith(flat, meta));
    Open(e, Work("adobe.jpg"));
    QVERIFY(e->Session().WorkBitmap()->SamePixels(ReadPicture(Work("adobe.jpg"))));

    const QColorSpace space = e->ImgEffect->ColorSpace();
    QVERIFY(NeedsDisplayConversion(space));
    QCOMPARE(e->ImgView[1]->ColorSpace(), space);
    QCOMPARE(e->FormPreview->ImgPreview->ColorSpace(), space);
    e->show();
    const QImage shown = e->ImgEffect->grab().toImage();
    e->ImgEffect->SetColorSpace(QColorSpace());
    const QImage unconverted = e->ImgEffect->grab().toImage();
    // Adobe RGB's green is wider than sRGB's: the same values are a deeper green.
    for (int stripe = 0; stripe < 4; ++stripe) {
      const QPoint at((2 * stripe + 1) * shown.width() / 8, shown.height() / 2);
      const QColor raw = unconverted.pixelColor(at), seen = shown.pixelColor(at);
      QVERIFY2(seen.green() > raw.green() && seen.red() < raw.red(),
               qPrintable(QString("%1 -> %2").arg(raw.name(), seen.name())));
    }
  }

  void aDamagedPictureOpensAndSaysSoOnce() {
    test::Editor e;
    const Bytes whole = EncodeJpeg(test::Gradient(64, 48));
    WriteFileBytes(Work("cut.jpg"), Bytes(whole.begin(), whole.end() - 300));
    Open(e, Work("cut.jpg"));
    QCOMPARE(e->Session().WorkBitmap()->Width(), 64);
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(e.dialogs.Warnings,
             QStringList("cut.jpg: part of the picture is missing or damaged (Premature end of "
                         "JPEG file)"));
  }

  void aReadOnlyTargetIsReplacedOnlyWhenTheUserSaysSo() {
    test::Editor e;
    const Bytes old = {'o', 'l', 'd'};
    WriteFileBytes(Work("ro.jpg"), old);
    ::chmod(Work("ro.jpg").c_str(), 0444);
    Save(e, Work("ro.jpg"), 1);
    QCOMPARE(e.dialogs.ReadOnlyQuestions, QStringList(QString::fromStdString(Work("ro.jpg"))));
    QVERIFY(e.dialogs.ReplaceQuestions.isEmpty());
    QCOMPARE(ReadFileBytes(Work("ro.jpg")), old);

    e.dialogs.ReadOnlyAnswers.push_back(true);
    Save(e, Work("ro.jpg"), 1);
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(SniffFormat(ReadFileBytes(Work("ro.jpg"))), PictureFormat::Jpeg);
    struct stat info {};
    QCOMPARE(::stat(Work("ro.jpg").c_str(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0444u);
  }
};

QV_TEST_MAIN(PhotoFilesTest)
#include "PhotoFilesTest.moc"
