// Our own file chooser, for desktops without a dialog program: the frame's
// modal view, shown in a window of its own above everything (or inside the
// frame when its window cannot open one), so it runs on the editor's own
// connection and thread. A list of folders (".." and the sub-folders) beside
// the list of files with the dialog's extension, a name field that takes a
// name or a full path, OK and Cancel.
//
// Keys: Up and Down move in the focused list (in the name field they move
// through the files, whose names then fill the field); Tab goes round the
// name field, the files and the folders (Shift+Tab back); Return chooses,
// or in the folder list opens the folder; Escape cancels. A typed character
// goes to the name field from anywhere. A folder typed or chosen opens it.
#pragma once

#include <string>
#include <vector>

#include "gui/text_edit.h"
#include "gui/view.h"
#include "platform/file_dialog.h"

// One of the chooser's two lists: its rows, the selected one and scrolling.
struct FileChooserList {
    std::vector<std::string> items;
    int selected = -1;  // none
    int top = 0;        // first row shown
    CRect rows;         // where the rows are drawn

    int visibleRows() const;
    // The row at `where`, or -1.
    int rowAt(const CPoint& where) const;
    CRect rowRect(int index) const;
    // Selects `index` limited to the rows and scrolls it into view.
    void select(int index);
    // Moves the selection by `step` rows; from no selection, Down takes the
    // first row and Up the last.
    void move(int step);
    void scroll(int step);
};

class CFileChooser : public CView {
public:
    explicit CFileChooser(const FileDialogRequest& request);

    // Becomes `frame`'s modal view, centred on the frame and kept on the
    // screen; the frame takes over the caller's reference. False when the
    // frame shows another modal view.
    bool open(CFrame* frame);
    // Closes it without a choice, as Cancel does.
    void cancel() { finish(""); }
    // Closed by OK, Cancel, Escape, cancel() or the frame closing.
    bool isClosed() const { return closed_; }
    // The chosen file as a full path once closed; empty when none was.
    const std::string& getChosenPath() const { return chosen_; }
    const std::string& getFolder() const { return folder_; }
    const FileChooserList& getFolderList() const { return folders_; }
    const FileChooserList& getFileList() const { return files_; }

    // Every click is the chooser's while it is open; outside it they do nothing.
    bool hitTest(const CPoint& /*where*/) const override { return true; }
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    void removed() override;

    CLASS_METHODS_NOCOPY(CFileChooser, CView)

private:
    enum class Part { kName, kFiles, kFolders };
    struct Layout {
        CRect title, folderLine, folderBox, fileBox, nameLabel, nameBox, ok, cancel;
    };

    void layOut(const CRect& box);
    void showFolder(const std::string& folder);
    void enterSelectedFolder();
    void selectFile(int index);
    void focusPart(Part part);
    void cyclePart(int step);
    FileChooserList& focusedList() { return focus_ == Part::kFolders ? folders_ : files_; }
    void moveSelection(int step);
    // The field's text as typed so far, and replacing it.
    std::string typedName();
    void setName(const std::string& name);
    // OK: a file ends the chooser, a folder opens, anything else does nothing.
    void accept();
    void finish(const std::string& path);

    void drawList(CDrawContext* context, const FileChooserList& list, const CRect& box,
                  const std::string& header, bool focused);
    void drawButton(CDrawContext* context, const CRect& rect, const char* label);

    const FileDialogRequest request_;
    std::string folder_;
    FileChooserList folders_;
    FileChooserList files_;
    SharedPointer<CTextEdit> name_;
    Layout layout_;
    Part focus_ = Part::kName;
    bool closed_ = false;
    std::string chosen_;
};
