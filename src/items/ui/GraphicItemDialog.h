#pragma once

#include "items/PictureFile.h"
#include "items/ui/ItemPropertiesDialog.h"

#include <QImage>

class GraphicItem;
class IniFile;
class Messages;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

// The graphic item's property dialog, settings section
// "GraphicItemPropEdForm": the common properties without a font, the picture
// loaded from a file or pasted from the clipboard, its printed size in the
// display unit (keeping its aspect when asked) and a preview.
//
// A one-bit Windows bitmap is taken dot for dot. Any other picture is turned
// into dots at a threshold the user moves, the preview following at once;
// the threshold section shows only for such a picture.
//
// OK with an empty picture acts as Cancel.
class GraphicItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("GraphicItemPropEdForm");
    // The folder the open dialog starts in: the last one a picture came from.
    static inline const QString LastDirKey = QStringLiteral("LastDir");
    static inline const QString BitmapFilter = QStringLiteral("Bitmaps, (*.bmp)|*.bmp");
    static constexpr int PreviewWidth = 200;
    static constexpr int PreviewHeight = 120;

    GraphicItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, const Messages& messages,
                      QWidget* parent = nullptr);

    // The picture of path for a graphic, at most the selected model's image;
    // for one it cannot take, the problem, after telling the user.
    static PictureFile::Loaded loadPicture(const QString& path, const DataStore& data,
                                           Prompter& prompter, const Messages& messages);

protected:
    void showOwnFields() override;
    void accept() override;

private:
    void buildControls();
    QGroupBox* buildBitmapBox();
    QGroupBox* buildPreviewBox();
    void readTexts(const IniFile* settings);
    GraphicItem* graphicItem() const;

    void loadClicked();
    void pasteClicked();
    void takePicture(const QImage& dots);
    void thresholdMoved(int threshold);
    void filterSizeText(LengthEdit& edit);
    void sizeFinished(LengthEdit& edit);
    void showSize();
    void showPreview();

    const Messages& messages_;
    QString picturesCaption_;
    // The picture of a file that is not a one-bit bitmap, kept while the
    // user tries thresholds on it.
    QImage picture_;

    QGroupBox* bitmapGroupBox_;
    QPushButton* loadButton_;
    QToolButton* pasteButton_;
    QLabel* widthLabel_;
    QLabel* heightLabel_;
    LengthEdit* widthEdit_;
    LengthEdit* heightEdit_;
    QLabel* sizeUnitLabel_;
    QCheckBox* aspectCheckBox_;
    QWidget* thresholdPage_;
    QLabel* thresholdLabel_;
    QSlider* thresholdSlider_;
    QGroupBox* previewGroupBox_;
    QLabel* previewImage_;
};
