// The theme: bitmaps from the program's resources and the operator captions.
#include "skin.h"
#include "theme.h"

char TADD[2] = {'+', 0};                    // sign of M+; constant
char TSUB[2] = {'-', 0};                    // sign of M-; constant
char TMUL[2] = {'\xD7', 0};                 // sign of M×; "*" from InitInterface on older systems
char TDIV[2] = {'\xF7', 0};                 // sign of M÷; "/" from InitInterface on older systems

HFONT ihFont;                               // the main font, owned by the application
bool iIsXP;                                 // older-system flag given to InitInterface
HBITMAP hBmpLine;                           // separator of the message box; from InitInterface to DeleteInterface
BITMAP bmpLine;                             // its size

namespace {

HBITMAP hBmpL, hBmpR, hBmpC;                // normal pieces; from InitInterface to DeleteInterface
HBITMAP hBmpLh, hBmpRh, hBmpCh;             // hover pieces
HBITMAP hBmpLp, hBmpRp, hBmpCp;             // pressed pieces
HBITMAP hBmpLd, hBmpRd, hBmpCd;             // disabled pieces
HBITMAP hBmpSML, hBmpSMR;                   // square ends, normal
HBITMAP hBmpSMLh, hBmpSMRh;                 // square ends, hover
HBITMAP hBmpSMLp, hBmpSMRp;                 // square ends, pressed
HBITMAP hBmpSMLd, hBmpSMRd;                 // square ends, disabled
HBITMAP hBmpEdit;                           // edit-field background
BITMAP bmpL, bmpR, bmpC, bmpLh, bmpRh, bmpCh, bmpLp, bmpRp, bmpCp, bmpLd, bmpRd, bmpCd;  // sizes of the pieces
BITMAP bmpSML, bmpSMR, bmpSMLh, bmpSMRh, bmpSMLp, bmpSMRp, bmpSMLd, bmpSMRd;

struct Piece {
    HBITMAP* handle;
    BITMAP* size;
};

// Every bitmap with its resource number and size record, in the order of
// loading (line, edit, then 1000 to 1019); the edit bitmap keeps no record.
struct Resource {
    int id;
    Piece piece;
};

const Resource RESOURCES[] = {
    {1020, {&hBmpLine, &bmpLine}}, {1021, {&hBmpEdit, nullptr}},
    {1000, {&hBmpL, &bmpL}}, {1001, {&hBmpR, &bmpR}}, {1002, {&hBmpC, &bmpC}},
    {1003, {&hBmpLh, &bmpLh}}, {1004, {&hBmpRh, &bmpRh}}, {1005, {&hBmpCh, &bmpCh}},
    {1006, {&hBmpLp, &bmpLp}}, {1007, {&hBmpRp, &bmpRp}}, {1008, {&hBmpCp, &bmpCp}},
    {1009, {&hBmpLd, &bmpLd}}, {1010, {&hBmpRd, &bmpRd}}, {1011, {&hBmpCd, &bmpCd}},
    {1012, {&hBmpSML, &bmpSML}}, {1013, {&hBmpSMR, &bmpSMR}},
    {1014, {&hBmpSMLh, &bmpSMLh}}, {1015, {&hBmpSMRh, &bmpSMRh}},
    {1016, {&hBmpSMLp, &bmpSMLp}}, {1017, {&hBmpSMRp, &bmpSMRp}},
    {1018, {&hBmpSMLd, &bmpSMLd}}, {1019, {&hBmpSMRd, &bmpSMRd}},
};

// Pieces by look (normal, hover, pressed, disabled): rounded ends, middles,
// square ends.
const Piece ROUND_LEFT[4] = {{&hBmpL, &bmpL}, {&hBmpLh, &bmpLh}, {&hBmpLp, &bmpLp}, {&hBmpLd, &bmpLd}};
const Piece ROUND_RIGHT[4] = {{&hBmpR, &bmpR}, {&hBmpRh, &bmpRh}, {&hBmpRp, &bmpRp}, {&hBmpRd, &bmpRd}};
const Piece MIDDLE[4] = {{&hBmpC, &bmpC}, {&hBmpCh, &bmpCh}, {&hBmpCp, &bmpCp}, {&hBmpCd, &bmpCd}};
const Piece SQUARE_LEFT[4] = {{&hBmpSML, &bmpSML}, {&hBmpSMLh, &bmpSMLh}, {&hBmpSMLp, &bmpSMLp}, {&hBmpSMLd, &bmpSMLd}};
const Piece SQUARE_RIGHT[4] = {{&hBmpSMR, &bmpSMR}, {&hBmpSMRh, &bmpSMRh}, {&hBmpSMRp, &bmpSMRp}, {&hBmpSMRd, &bmpSMRd}};

// Blits a piece from the memory context, putting the context's bitmap back.
// A piece that failed to load is not drawn.
void Blit(HDC hdc, HDC memory, const Piece& piece, int x, int width)
{
    if (*piece.handle == nullptr)
        return;
    HGDIOBJ old = SelectObject(memory, *piece.handle);
    if (width == piece.size->bmWidth)
        BitBlt(hdc, x, 0, width, piece.size->bmHeight, memory, 0, 0, SRCCOPY);
    else
        StretchBlt(hdc, x, 0, width, piece.size->bmHeight, memory, 0, 0,
                   piece.size->bmWidth, piece.size->bmHeight, SRCCOPY);
    SelectObject(memory, old);
}

}  // namespace

void FillSolid(HDC hdc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

void DrawLayout(HDC hdc, HDC memory, RECT face, ButtonLayout layout, ButtonLook look)
{
    const bool roundLeft = layout == LAYOUT_BTNR || layout == LAYOUT_SMBTNL;
    const bool roundRight = layout == LAYOUT_BTNR || layout == LAYOUT_SMBTNR;
    const Piece& left = roundLeft ? ROUND_LEFT[look] : SQUARE_LEFT[look];
    const Piece& right = roundRight ? ROUND_RIGHT[look] : SQUARE_RIGHT[look];
    Blit(hdc, memory, MIDDLE[look], 0, face.right);
    Blit(hdc, memory, left, 0, left.size->bmWidth);
    Blit(hdc, memory, right, face.right - right.size->bmWidth, right.size->bmWidth);
}

void LoadTheme(HINSTANCE instance, HFONT font, bool isXP)
{
    ihFont = font;
    iIsXP = isXP;
    if (iIsXP) {
        TMUL[0] = '*';
        TDIV[0] = '/';
    }
    for (const Resource& r : RESOURCES)
        *r.piece.handle = LoadBitmapA(instance, MAKEINTRESOURCEA(r.id));
    for (const Resource& r : RESOURCES)
        if (r.piece.size)
            GetObjectA(*r.piece.handle, sizeof(BITMAP), r.piece.size);
}

void FreeTheme()
{
    for (const Resource& r : RESOURCES) {
        DeleteObject(*r.piece.handle);
        *r.piece.handle = nullptr;
    }
}

void EnableWindowModern(HWND control, int enable)
{
    RECT rc;
    GetClientRect(control, &rc);
    EnableWindow(control, enable);
    InvalidateRect(control, &rc, TRUE);
}

HBRUSH GetEditBKG()
{
    return CreatePatternBrush(hBmpEdit);
}
