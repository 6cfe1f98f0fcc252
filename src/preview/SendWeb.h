#pragma once
// The web of the Send stage: a globe that turns with two arrows and shows,
// one at a time in its magnifier, the maker's logo, five partner sites and,
// after an upload, the user's own page; a click on the logo opens that
// site in the browser.

#include <QObject>
#include <QString>
#include <array>

class QLabel;
class TPicture;
class QTimer;
class TBrowserPreview;
class TPage;
class TServerBox;
class TStageHost;

// A site the magnifier can show.
struct TPartnerSite {
    const char* picture;  // its logo
    const char* name;     // follows "Click the logo to visit "
    const char* address;
};
// The five partner sites, in the order of the magnifier.
extern const std::array<TPartnerSite, 5> kPartnerSites;

class TSendWeb : public QObject {
    Q_OBJECT
public:
    TSendWeb(TStageHost& window, const TPage& page, TServerBox* servers, TBrowserPreview* browser);

    // --- controls on the Send panel ---
    TPicture* imgWebBack = nullptr;
    TPicture* imgUploadLeft = nullptr;
    TPicture* imgUploadRight = nullptr;
    QLabel* lblRotateLeft = nullptr;
    QLabel* lblRotateRight = nullptr;
    TPicture* imgBrenfoldPage = nullptr;
    std::array<TPicture*, 5> imgPartnerPage{};
    TPicture* imgYourPage = nullptr;
    QLabel* lblMag = nullptr;

    // --- magnifier state ---
    int MagnifierPage = -1;  // -1 none, 0 the maker, 1 to 5 partners, 6 the user's page
    bool RotateLeft = false;
    int RotateFrame = 0;     // the next frame of the rotation, 0 to 4
    bool Uploaded = false;   // an upload has succeeded since the program started
    QTimer* timWebAn = nullptr;  // the rotation

    // Shows the logo of MagnifierPage, after wrapping it.
    void DisplayMagnifier();
    // One frame of the rotation each.
    void MoveWebLeft();
    void MoveWebRight();

    // The maker's home page (in the program's Help folder), as an address.
    static QString MakerAddress();
    // The address of the uploaded page on the server chosen in the server
    // box; empty when no server is chosen.
    QString YourPageAddress() const;

private:
    void CreateControls();
    void WireArrow(TPicture* arrow, bool left);
    void MoveWeb(bool left);
    void HideLogos();
    void imgYourPageClick();

    TStageHost& w_;
    const TPage& page_;
    TServerBox* servers_;        // the server box the page went to (null: none)
    TBrowserPreview* browser_;   // opens addresses (null: nothing opens)
};

// Puts the web on the Send panel and plugs it into the stage switch and
// the upload.
TSendWeb* AttachSendWeb(TStageHost& window, const TPage& page, TServerBox* servers, TBrowserPreview* browser);
