#include "gui/file_chooser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gui/frame.h"
#include "gui/platform_window.h"
#include "platform/folder_listing.h"

namespace {

// Geometry, in pixels.
constexpr CCoord kBoxWidth = 480;
constexpr CCoord kBoxHeight = 340;
constexpr CCoord kPadding = 8;
constexpr CCoord kGap = 4;
constexpr CCoord kTitleHeight = 22;
constexpr CCoord kLineHeight = 18;
constexpr CCoord kHeaderHeight = 16;
constexpr CCoord kRowHeight = 16;
constexpr CCoord kTextInset = 4;
constexpr CCoord kFieldHeight = 20;
constexpr CCoord kLabelWidth = 44;
constexpr CCoord kButtonWidth = 72;
constexpr CCoord kButtonHeight = 22;
constexpr double kFolderListShare = 0.4;  // of the width both lists share
constexpr int kWheelRows = 3;

constexpr CColor kBoxColor = MakeCColor(240, 240, 240);
constexpr CColor kBorderColor = MakeCColor(100, 100, 100);
constexpr CColor kTitleColor = MakeCColor(60, 72, 92);
constexpr CColor kTitleTextColor = kWhiteCColor;
constexpr CColor kTextColor = kBlackCColor;
constexpr CColor kListColor = kWhiteCColor;
constexpr CColor kHeaderColor = MakeCColor(222, 222, 222);
constexpr CColor kHighlightColor = MakeCColor(51, 102, 204);
constexpr CColor kHighlightTextColor = kWhiteCColor;
constexpr CColor kInactiveHighlightColor = MakeCColor(200, 200, 200);
constexpr CColor kButtonColor = MakeCColor(225, 225, 225);

const char* const kNameLabel = "Name:";
const char* const kFoldersHeader = "Folders";
const char* const kOkLabel = "OK";
const char* const kCancelLabel = "Cancel";
const char* const kEllipsis = "...";

CFontRef textFont() { return kNormalFontSmall; }
CFontRef titleFont() { return kNormalFont; }

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xc0) == 0x80; }

// `text` cut at the front to fit `width`, so that a long folder path still
// shows where it ends.
std::string tailThatFits(CDrawContext* context, const std::string& text, CCoord width) {
    if (context->getStringWidth(text.c_str()) <= width) return text;
    for (size_t start = 1; start < text.size(); ++start) {
        if (isContinuationByte(text[start])) continue;
        const std::string shown = kEllipsis + text.substr(start);
        if (context->getStringWidth(shown.c_str()) <= width) return shown;
    }
    return kEllipsis;
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
}

CRect inset(CRect rect, CCoord by) { return rect.inset(by, by); }
// Room for text at the sides, the full height for the letters.
CRect insetSides(CRect rect, CCoord by) { return rect.inset(by, 0); }

}  // namespace

// --- the lists -------------------------------------------------------------

int FileChooserList::visibleRows() const {
    return std::max(1, static_cast<int>(rows.height() / kRowHeight));
}

int FileChooserList::rowAt(const CPoint& where) const {
    if (!rows.pointInside(where)) return -1;
    const int row = static_cast<int>((where.y - rows.top) / kRowHeight);
    const int index = top + row;
    // The part of a row below the last whole one shows nothing.
    return row < visibleRows() && index < static_cast<int>(items.size()) ? index : -1;
}

CRect FileChooserList::rowRect(int index) const {
    const CCoord rowTop = rows.top + (index - top) * kRowHeight;
    return CRect(rows.left, rowTop, rows.right, rowTop + kRowHeight);
}

void FileChooserList::select(int index) {
    if (items.empty()) {
        selected = -1;
        return;
    }
    selected = std::clamp(index, 0, static_cast<int>(items.size()) - 1);
    if (selected < top) top = selected;
    if (selected >= top + visibleRows()) top = selected - visibleRows() + 1;
}

void FileChooserList::move(int step) {
    if (selected < 0)
        select(step > 0 ? 0 : static_cast<int>(items.size()) - 1);
    else
        select(selected + step);
}

void FileChooserList::scroll(int step) {
    const int last = std::max(0, static_cast<int>(items.size()) - visibleRows());
    top = std::clamp(top + step, 0, last);
}

// --- the chooser -------------------------------------------------------------

CFileChooser::CFileChooser(const FileDialogRequest& request)
    : CView(CRect()), request_(request) {
    auto* field = new CTextEdit(CRect(), nullptr, 0, request.initialName.c_str());
    name_ = field;
    field->forget();  // name_ holds the one reference
    field->setFont(textFont());
    field->setFontColor(kTextColor);
    field->setHoriAlign(kLeftText);
    field->setTransparency(true);  // the chooser draws the field's box
    showFolder(existingFolder(request.initialFolder.empty() ? homeFolder() : request.initialFolder));
}

bool CFileChooser::open(CFrame* frame) {
    if (!frame || frame->getModalView()) return false;
    const CRect bounds = frame->getPopupBounds();
    const CRect& editor = frame->getViewSize();
    const CCoord width = std::min(kBoxWidth, bounds.width());
    const CCoord height = std::min(kBoxHeight, bounds.height());
    const CCoord left = std::clamp(std::floor(editor.left + (editor.width() - width) / 2),
                                   bounds.left, bounds.right - width);
    const CCoord top = std::clamp(std::floor(editor.top + (editor.height() - height) / 2),
                                  bounds.top, bounds.bottom - height);
    layOut(CRect(left, top, left + width, top + height));
    if (!frame->setModalView(this)) return false;
    // Above everything where the window allows, else inside the frame.
    frame->showModalViewInPopup(size);
    // The editor window takes the keys, which matters when the chooser has
    // no window of its own (one that has grabs them anyway).
    frame->setFocusView(this);
    focusPart(Part::kName);
    return true;
}

void CFileChooser::layOut(const CRect& box) {
    size = box;
    Layout& l = layout_;
    l.title = CRect(box.left, box.top, box.right, box.top + kTitleHeight);
    l.folderLine = CRect(box.left + kPadding, l.title.bottom + kGap, box.right - kPadding,
                         l.title.bottom + kGap + kLineHeight);
    l.ok = CRect(box.right - kPadding - 2 * kButtonWidth - kGap, box.bottom - kPadding - kButtonHeight,
                 box.right - kPadding - kButtonWidth - kGap, box.bottom - kPadding);
    l.cancel = CRect(box.right - kPadding - kButtonWidth, l.ok.top, box.right - kPadding, l.ok.bottom);
    const CCoord fieldTop = l.ok.top - kPadding - kFieldHeight;
    l.nameLabel = CRect(box.left + kPadding, fieldTop, box.left + kPadding + kLabelWidth,
                        fieldTop + kFieldHeight);
    l.nameBox = CRect(l.nameLabel.right, fieldTop, box.right - kPadding, fieldTop + kFieldHeight);
    const CCoord listsTop = l.folderLine.bottom + kGap;
    const CCoord listsBottom = std::max(listsTop, fieldTop - kPadding);
    const CCoord listsWidth = box.width() - 3 * kPadding;
    const CCoord split = std::floor(box.left + kPadding + listsWidth * kFolderListShare);
    l.folderBox = CRect(box.left + kPadding, listsTop, split, listsBottom);
    l.fileBox = CRect(split + kPadding, listsTop, box.right - kPadding, listsBottom);

    for (auto [list, listBox] : {std::pair{&folders_, l.folderBox}, std::pair{&files_, l.fileBox}}) {
        list->rows = inset(listBox, 1);
        list->rows.top += kHeaderHeight;
        if (list->selected >= 0) list->select(list->selected);  // still in view
    }
    name_->setViewSize(CRect(l.nameBox.left + kTextInset, l.nameBox.top,
                             l.nameBox.right - kTextInset, l.nameBox.bottom),
                       false);
}

// --- folders, files and the name -------------------------------------------------

void CFileChooser::showFolder(const std::string& folder) {
    FolderListing listing = listFolder(folder, request_.extension);
    folder_ = folder;
    folders_.items = std::move(listing.folders);
    files_.items = std::move(listing.files);
    folders_.top = files_.top = 0;
    folders_.selected = files_.selected = -1;
    // Going down a folder with the keys goes on from its first entry.
    if (focus_ == Part::kFolders) folders_.select(0);
    invalid();
}

void CFileChooser::enterSelectedFolder() {
    if (folders_.selected < 0) return;
    showFolder(resolvePath(folder_, folders_.items[static_cast<size_t>(folders_.selected)]));
}

void CFileChooser::selectFile(int index) {
    files_.select(index);
    if (files_.selected >= 0) setName(files_.items[static_cast<size_t>(files_.selected)]);
}

std::string CFileChooser::typedName() {
    if (!name_->isEditing()) return name_->getText();
    name_->looseFocus();  // keeps the edited text as the field's text
    std::string text = name_->getText();
    name_->takeFocus();
    return text;
}

void CFileChooser::setName(const std::string& name) {
    const bool editing = name_->isEditing();
    if (editing) name_->looseFocus();
    name_->setText(name.c_str());
    if (editing) name_->takeFocus();
}

void CFileChooser::focusPart(Part part) {
    if (part == Part::kName)
        name_->takeFocus();
    else
        name_->looseFocus();
    focus_ = part;
    invalid();
}

void CFileChooser::cyclePart(int step) {
    constexpr Part kOrder[] = {Part::kName, Part::kFiles, Part::kFolders};
    constexpr int kParts = 3;
    const int current = static_cast<int>(std::find(kOrder, kOrder + kParts, focus_) - kOrder);
    focusPart(kOrder[(current + step + kParts) % kParts]);
}

void CFileChooser::moveSelection(int step) {
    if (focus_ == Part::kFolders) {
        folders_.move(step);
        return;
    }
    files_.move(step);
    selectFile(files_.selected);
}

void CFileChooser::accept() {
    const std::string typed = typedName();
    if (typed.empty()) return;
    const std::string path = resolvePath(folder_, typed);
    if (isFolder(path)) {
        showFolder(path);
        setName("");
        return;
    }
    const std::string& extension = request_.extension;
    const std::string withExtension =
        hasExtension(path, extension) ? path : path + "." + extension;
    if (request_.mode == FileDialogRequest::Mode::kSave) {
        if (isFolder(folderOf(path))) finish(withExtension);
        return;
    }
    if (isRegularFile(path))
        finish(path);
    else if (isRegularFile(withExtension))
        finish(withExtension);
}

void CFileChooser::finish(const std::string& path) {
    if (closed_) return;
    closed_ = true;
    chosen_ = path;
    name_->looseFocus();
    CFrame* frame = getFrame();
    if (!frame || frame->getModalView() != this) return;
    SharedPointer<CView> self(this);  // lives until the end of this call
    frame->setModalView(nullptr);
    forget();  // the reference the frame held
}

void CFileChooser::removed() {
    CView::removed();
    // The frame closes with the chooser still open: that is a cancel.
    if (!closed_) {
        closed_ = true;
        chosen_.clear();
    }
}

// --- input ----------------------------------------------------------------------

int32_t CFileChooser::onKeyDown(VstKeyCode& key) {
    if (closed_) return -1;
    const int page = focusedList().visibleRows();
    switch (key.virt) {
        case kVirtualKeyEscape: finish(""); return 1;
        case kVirtualKeyReturn:
        case kVirtualKeyEnter:
            if (focus_ == Part::kFolders)
                enterSelectedFolder();
            else
                accept();
            break;
        case kVirtualKeyTab: cyclePart(key.modifier & kKeyModifierShift ? -1 : 1); break;
        case kVirtualKeyUp: moveSelection(-1); break;
        case kVirtualKeyDown: moveSelection(1); break;
        case kVirtualKeyPageUp: moveSelection(-page); break;
        case kVirtualKeyPageDown: moveSelection(page); break;
        default:
            // Every key is the chooser's; a character typed in a list goes
            // to the name field.
            if (focus_ != Part::kName) {
                if (key.character == 0) return 1;
                focusPart(Part::kName);
            }
            name_->onKeyDown(key);
            break;
    }
    invalid();
    return 1;
}

CMouseEventResult CFileChooser::onMouseDown(CPoint& where, const CButtonState& buttons) {
    constexpr CMouseEventResult kDone = kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    if (closed_ || !buttons.isLeftButton()) return kDone;
    if (layout_.ok.pointInside(where)) {
        accept();
    } else if (layout_.cancel.pointInside(where)) {
        finish("");
        return kDone;
    } else if (const int folder = folders_.rowAt(where); folder >= 0) {
        focusPart(Part::kFolders);
        folders_.select(folder);
        if (buttons.isDoubleClick()) enterSelectedFolder();
    } else if (const int file = files_.rowAt(where); file >= 0) {
        focusPart(Part::kFiles);
        selectFile(file);
        if (buttons.isDoubleClick()) accept();
    } else if (layout_.nameBox.pointInside(where)) {
        focusPart(Part::kName);
    }
    invalid();
    return kDone;
}

bool CFileChooser::onWheel(const CPoint& where, const float& distance, const CButtonState&) {
    const int step = -static_cast<int>(std::lround(distance)) * kWheelRows;
    if (layout_.folderBox.pointInside(where))
        folders_.scroll(step);
    else if (layout_.fileBox.pointInside(where))
        files_.scroll(step);
    else
        return true;
    invalid();
    return true;
}

// --- drawing --------------------------------------------------------------------

void CFileChooser::draw(CDrawContext* context) {
    const Layout& l = layout_;
    context->setLineWidth(1);
    context->setFillColor(kBoxColor);
    context->drawRect(size, kDrawFilled);
    context->setFillColor(kTitleColor);
    context->drawRect(l.title, kDrawFilled);
    context->setFont(titleFont());
    context->setFontColor(kTitleTextColor);
    context->drawString(request_.title.c_str(), insetSides(l.title, kPadding), kLeftText);

    context->setFont(textFont());
    context->setFontColor(kTextColor);
    context->drawString(tailThatFits(context, folder_, l.folderLine.width()).c_str(), l.folderLine,
                        kLeftText);
    const std::string fileHeader = request_.description + " (*." + request_.extension + ")";
    drawList(context, folders_, l.folderBox, kFoldersHeader, focus_ == Part::kFolders);
    drawList(context, files_, l.fileBox, fileHeader, focus_ != Part::kFolders);

    context->setFont(textFont());
    context->setFontColor(kTextColor);
    context->drawString(kNameLabel, l.nameLabel, kLeftText);
    context->setFillColor(kListColor);
    context->drawRect(l.nameBox, kDrawFilled);
    context->setFrameColor(kBorderColor);
    context->drawRect(l.nameBox);
    name_->draw(context);

    drawButton(context, l.ok, kOkLabel);
    drawButton(context, l.cancel, kCancelLabel);
    context->setFrameColor(kBorderColor);
    context->drawRect(size);
    setDirty(false);
}

void CFileChooser::drawList(CDrawContext* context, const FileChooserList& list, const CRect& box,
                            const std::string& header, bool focused) {
    context->setFillColor(kListColor);
    context->drawRect(box, kDrawFilled);
    const CRect headerRect(list.rows.left, list.rows.top - kHeaderHeight, list.rows.right,
                           list.rows.top);
    context->setFillColor(kHeaderColor);
    context->drawRect(headerRect, kDrawFilled);
    context->setFont(textFont());
    context->setFontColor(kTextColor);
    context->drawString(header.c_str(), insetSides(headerRect, kTextInset), kLeftText);

    const int end = std::min(static_cast<int>(list.items.size()), list.top + list.visibleRows());
    for (int i = list.top; i < end; ++i) {
        CRect row = list.rowRect(i);
        row.bound(list.rows);
        const bool selected = i == list.selected;
        if (selected) {
            context->setFillColor(focused ? kHighlightColor : kInactiveHighlightColor);
            context->drawRect(row, kDrawFilled);
        }
        context->setFontColor(selected && focused ? kHighlightTextColor : kTextColor);
        context->drawString(list.items[static_cast<size_t>(i)].c_str(), insetSides(row, kTextInset),
                            kLeftText);
    }
    context->setFrameColor(kBorderColor);
    context->drawRect(box);
}

void CFileChooser::drawButton(CDrawContext* context, const CRect& rect, const char* label) {
    context->setFillColor(kButtonColor);
    context->drawRect(rect, kDrawFilled);
    context->setFrameColor(kBorderColor);
    context->drawRect(rect);
    context->setFont(textFont());
    context->setFontColor(kTextColor);
    context->drawString(label, rect, kCenterText);
}
