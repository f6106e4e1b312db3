#pragma once
// The banner of the window: a canvas of 88 x 31 pixels (null while there is none) and the
// picture that shows it. Pictures are drawn onto the canvas as they are, over what it holds.
#include <string>

class QImage;
class QLabel;

namespace qv {

class TBannerEditor {
public:
    // Both must outlive the editor.
    TBannerEditor(QImage& canvas, QLabel& preview) : FCanvas(canvas), FPreview(preview) {}

    // Reads the picture file by its extension and draws it onto the canvas, made white when
    // there is none. A file that cannot be read throws the reader's error before anything is
    // drawn, so the banner stays as it was.
    void Load(const std::string& path);
    void Draw(const QImage& picture);
    // Removes the banner; false when there was none.
    bool Delete();
    void Show();

private:
    QImage& FCanvas;
    QLabel& FPreview;
};

}  // namespace qv
