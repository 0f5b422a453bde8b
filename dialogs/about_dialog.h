#pragma once
// frmAbout, "Tavik - About": the program's name, version and copyright, its
// icon and picture, a legal notice that also names the data the maps are
// drawn from and its date, and the maker's address. "Return" closes it.

#include <QDialog>

#include <functional>

class QUrl;

namespace tavik {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // Size of the drawing area in twips; controls are placed in twips too.
    static constexpr int kWidthTwips = 6885;
    static constexpr int kHeightTwips = 6165;

    // A click on the maker's label passes the maker's page (MakerPageUrl)
    // to `openUrl`.
    AboutDialog(std::function<void(const QUrl &)> openUrl, QWidget *parent);
};

} // namespace tavik
