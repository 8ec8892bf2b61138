#include "new_picture_page.h"

#include "preview_label.h"
#include "pictures/section_scan.h"
#include "platform/safe_file.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace workshop {
namespace {

constexpr const char* Title = "Brushwell Picture Workshop";

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setAccessibleName(name);
  return widget;
}

QSlider* MakeSlider(int min, int max, int value, const QString& name, QWidget* parent) {
  auto* s = Named(new QSlider(Qt::Horizontal, parent), name);
  s->setRange(min, max);
  s->setValue(value);
  s->setPageStep(std::max(1, (max - min) / 10));
  s->setMinimumWidth(150);
  return s;
}

// The original is shown smaller than the picture made from it, so that the
// page fits a 1024-pixel-wide screen with the picture at its true size.
constexpr int OriginalSide = 240;
// Steps kept for undoing.
constexpr size_t UndoSteps = 40;

QImage Framed(const QImage& image, int side = Side) {
  // A picture on a square grey mat, so its letterbox can be seen.
  QImage mat(side, side, QImage::Format_RGB32);
  mat.fill(qRgb(225, 225, 225));
  if (image.isNull()) return mat;
  const QImage fitted = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  for (int y = 0; y < fitted.height(); ++y)
    for (int x = 0; x < fitted.width(); ++x)
      mat.setPixel((side - fitted.width()) / 2 + x, (side - fitted.height()) / 2 + y, fitted.pixel(x, y));
  return mat;
}

}  // namespace

NewPicturePage::NewPicturePage(const QString& programFolder, QWidget* parent) : QWidget(parent), folder_(programFolder) {
  auto* outer = new QVBoxLayout(this);

  auto* top = new QHBoxLayout();
  openButton_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "&Open Drawing or Photo..."), this), QCoreApplication::translate("NewPicturePage", "Open Drawing or Photo"));
  drawingKind_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "It is a &drawing"), this), QCoreApplication::translate("NewPicturePage", "It is a drawing"));
  photoKind_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "It is a p&hoto"), this), QCoreApplication::translate("NewPicturePage", "It is a photo"));
  auto* kinds = new QButtonGroup(this);
  kinds->addButton(drawingKind_);
  kinds->addButton(photoKind_);
  drawingKind_->setChecked(true);
  top->addWidget(openButton_);
  top->addSpacing(16);
  top->addWidget(drawingKind_);
  top->addWidget(photoKind_);
  top->addStretch(1);
  outer->addLayout(top);

  auto* pictures = new QHBoxLayout();
  auto* originalBox = new QVBoxLayout();
  originalBox->addWidget(new QLabel(QCoreApplication::translate("NewPicturePage", "Original"), this));
  original_ = Named(new QLabel(this), QCoreApplication::translate("NewPicturePage", "Original picture"));
  original_->setFixedSize(OriginalSide, OriginalSide);
  original_->setPixmap(QPixmap::fromImage(Framed({}, OriginalSide)));
  originalBox->addWidget(original_);
  pictures->addLayout(originalBox);
  auto* previewBox = new QVBoxLayout();
  previewBox->addWidget(new QLabel(QCoreApplication::translate("NewPicturePage", "Colouring picture (numbers: the colouring order)"), this));
  preview_ = Named(new PreviewLabel(this), QCoreApplication::translate("NewPicturePage", "Colouring picture preview"));
  preview_->setAccessibleDescription(QCoreApplication::translate("NewPicturePage", "Click a section to choose it; arrow keys move its marker"));
  preview_->setFixedSize(Side, Side);
  preview_->setPixmap(QPixmap::fromImage(Framed({})));
  previewBox->addWidget(preview_);
  previewBox->addStretch(1);
  pictures->addLayout(previewBox);

  // The controls beside the two pictures.
  auto* side = new QVBoxLayout();
  // A slider with its value beside it and the ends of its scale below.
  auto sliderRow = [](QGridLayout* grid, int row, const QString& caption, QSlider* slider, QLabel* value,
                      const QString& low, const QString& high) {
    auto* label = new QLabel(caption, slider->parentWidget());
    label->setBuddy(slider);
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1, 1, 2);
    if (value) {
      value->setMinimumWidth(24);
      grid->addWidget(value, row, 3);
      QObject::connect(slider, &QSlider::valueChanged, value, [value](int v) { value->setNum(v); });
      value->setNum(slider->value());
    }
    auto* lowLabel = new QLabel(low, slider->parentWidget());
    auto* highLabel = new QLabel(high, slider->parentWidget());
    highLabel->setAlignment(Qt::AlignRight);
    for (QLabel* l : {lowLabel, highLabel}) {
      QFont small = l->font();
      small.setPointSizeF(small.pointSizeF() * 0.85);
      l->setFont(small);
    }
    grid->addWidget(lowLabel, row + 1, 1);
    grid->addWidget(highLabel, row + 1, 2);
  };
  drawingControls_ = new QGroupBox(QCoreApplication::translate("NewPicturePage", "Drawing"), this);
  auto* dl = new QGridLayout(drawingControls_);
  threshold_ = MakeSlider(20, 240, 160, QCoreApplication::translate("NewPicturePage", "Line darkness"), drawingControls_);
  // Gentlest first: closing gaps also makes every line heavier.
  gaps_ = MakeSlider(0, 5, 0, QCoreApplication::translate("NewPicturePage", "Close gaps"), drawingControls_);
  gaps_->setTickPosition(QSlider::TicksBelow);
  gaps_->setTickInterval(1);
  gapsValue_ = new QLabel(drawingControls_);
  sliderRow(dl, 0, QCoreApplication::translate("NewPicturePage", "Line dar&kness:"), threshold_, nullptr, QCoreApplication::translate("NewPicturePage", "only dark lines"),
            QCoreApplication::translate("NewPicturePage", "faint lines too"));
  sliderRow(dl, 2, QCoreApplication::translate("NewPicturePage", "Close &gaps:"), gaps_, gapsValue_, QCoreApplication::translate("NewPicturePage", "0: none"), QCoreApplication::translate("NewPicturePage", "5: wide gaps"));
  photoControls_ = new QGroupBox(QCoreApplication::translate("NewPicturePage", "Photo"), this);
  auto* pl = new QGridLayout(photoControls_);
  detail_ = MakeSlider(1, 10, 5, QCoreApplication::translate("NewPicturePage", "Detail"), photoControls_);
  detail_->setTickPosition(QSlider::TicksBelow);
  detail_->setTickInterval(1);
  detail_->setPageStep(1);
  detailValue_ = new QLabel(photoControls_);
  sliderRow(pl, 0, QCoreApplication::translate("NewPicturePage", "De&tail:"), detail_, detailValue_, QCoreApplication::translate("NewPicturePage", "1: few large areas"),
            QCoreApplication::translate("NewPicturePage", "10: many small"));
  photoControls_->hide();
  side->addWidget(drawingControls_);
  side->addWidget(photoControls_);

  auto* sectionsBox = new QGroupBox(QCoreApplication::translate("NewPicturePage", "Sections"), this);
  auto* sl = new QVBoxLayout(sectionsBox);
  sections_ = Named(new QListWidget(sectionsBox), QCoreApplication::translate("NewPicturePage", "Sections in colouring order"));
  sections_->setMinimumHeight(90);
  sl->addWidget(sections_);
  auto* orderRow = new QHBoxLayout();
  earlier_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "Colour &Earlier"), sectionsBox), QCoreApplication::translate("NewPicturePage", "Colour Earlier"));
  later_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "Colour &Later"), sectionsBox), QCoreApplication::translate("NewPicturePage", "Colour Later"));
  orderRow->addWidget(earlier_);
  orderRow->addWidget(later_);
  sl->addLayout(orderRow);
  mergeSmall_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "&Merge Small Regions"), sectionsBox), QCoreApplication::translate("NewPicturePage", "Merge Small Regions"));
  dropSmall_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "D&rop Small Regions"), sectionsBox), QCoreApplication::translate("NewPicturePage", "Drop Small Regions"));
  dropSmall_->setToolTip(QCoreApplication::translate("NewPicturePage", "The small regions in red stay white and are not coloured."));
  mergeDown_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "Merge Down to &25 Sections"), sectionsBox), QCoreApplication::translate("NewPicturePage", "Merge Down to 25 Sections"));
  sl->addWidget(mergeSmall_);
  sl->addWidget(dropSmall_);
  sl->addWidget(mergeDown_);
  side->addWidget(sectionsBox);

  auto* clickBox = new QGroupBox(QCoreApplication::translate("NewPicturePage", "On the picture"), this);
  auto* cl = new QVBoxLayout(clickBox);
  clickChooses_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "A click chooses a section"), clickBox), QCoreApplication::translate("NewPicturePage", "A click chooses a section"));
  clickMoves_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "A click moves the section's marker"), clickBox),
                      QCoreApplication::translate("NewPicturePage", "A click moves the section's marker"));
  clickJoins_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "Two clicks &join two regions"), clickBox), QCoreApplication::translate("NewPicturePage", "Two clicks join two regions"));
  lineSplits_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "A line dra&wn across a region splits it"), clickBox),
                      QCoreApplication::translate("NewPicturePage", "A line drawn across a region splits it"));
  clickErases_ = Named(new QRadioButton(QCoreApplication::translate("NewPicturePage", "A click or a stroke erases l&ines"), clickBox),
                       QCoreApplication::translate("NewPicturePage", "A click or a stroke erases lines"));
  clickJoins_->setToolTip(QCoreApplication::translate("NewPicturePage", "Click one region, then the one beside it: the line between them goes."));
  lineSplits_->setToolTip(QCoreApplication::translate("NewPicturePage", "Hold the button down and draw across the region, from one outline to the other."));
  clickErases_->setToolTip(QCoreApplication::translate("NewPicturePage", "A click on a stray line or dot takes it away; drag along a line to rub it out."));
  clickChooses_->setChecked(true);
  for (QRadioButton* b : {clickChooses_, clickMoves_, clickJoins_, lineSplits_, clickErases_}) cl->addWidget(b);
  // Under the original, where there is room.
  originalBox->addWidget(clickBox);
  originalBox->addStretch(1);
  side->addStretch(1);

  // Undo and Redo in the top row, always in sight.
  undoButton_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "&Undo"), this), QCoreApplication::translate("NewPicturePage", "Undo"));
  redoButton_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "Redo"), this), QCoreApplication::translate("NewPicturePage", "Redo"));
  undoButton_->setToolTip(QCoreApplication::translate("NewPicturePage", "Ctrl+Z"));
  redoButton_->setToolTip(QCoreApplication::translate("NewPicturePage", "Ctrl+Shift+Z or Ctrl+Y"));
  top->addWidget(undoButton_);
  top->addWidget(redoButton_);
  pictures->addLayout(side, 1);
  outer->addLayout(pictures);

  remarks_ = Named(new QLabel(QCoreApplication::translate("NewPicturePage", "Open a drawing or a photo to begin."), this), QCoreApplication::translate("NewPicturePage", "Remarks"));
  remarks_->setWordWrap(true);
  remarks_->setMinimumHeight(48);
  outer->addWidget(remarks_);

  auto* saveRow = new QHBoxLayout();
  auto* nameLabel = new QLabel(QCoreApplication::translate("NewPicturePage", "Pi&cture name:"), this);
  name_ = Named(new QLineEdit(this), QCoreApplication::translate("NewPicturePage", "Picture name"));
  name_->setPlaceholderText(QCoreApplication::translate("NewPicturePage", "for example: our_dog"));
  nameLabel->setBuddy(name_);
  saveButton_ = Named(new QPushButton(QCoreApplication::translate("NewPicturePage", "&Save Picture"), this), QCoreApplication::translate("NewPicturePage", "Save Picture"));
  saveRow->addWidget(nameLabel);
  saveRow->addWidget(name_, 1);
  saveRow->addWidget(saveButton_);
  outer->addLayout(saveRow);

  rebuildTimer_ = new QTimer(this);
  rebuildTimer_->setSingleShot(true);
  rebuildTimer_->setInterval(120);
  connect(rebuildTimer_, &QTimer::timeout, this, [this] { rebuild(); });
  for (QSlider* s : {threshold_, gaps_, detail_}) connect(s, &QSlider::valueChanged, rebuildTimer_, qOverload<>(&QTimer::start));
  connect(openButton_, &QPushButton::clicked, this, [this] { chooseSource(); });
  connect(photoKind_, &QRadioButton::toggled, this, [this] {
    drawingControls_->setVisible(!isPhoto());
    photoControls_->setVisible(isPhoto());
    if (!source_.image.isNull()) rebuild();
  });
  connect(preview_, &PreviewLabel::clicked, this, [this](QPoint p) { regionClicked(p); });
  connect(preview_, &PreviewLabel::stroked, this, [this](const QVector<QPoint>& path) { stroked(path); });
  connect(preview_, &PreviewLabel::nudged, this, [this](int dx, int dy) { nudgeMarker(dx, dy); });
  for (QRadioButton* b : {clickChooses_, clickMoves_, clickJoins_, lineSplits_, clickErases_}) {
    connect(b, &QRadioButton::toggled, this, [this](bool on) {
      if (!on) return;
      joinFirst_ = -1;
      preview_->SetStrokeColour(clickErases_->isChecked() ? QColor(0, 150, 255) : QColor(220, 0, 0));
      showDesign();
    });
  }
  connect(sections_, &QListWidget::currentRowChanged, this, [this](int row) {
    const std::vector<int> order = design_.Order();
    if (row < 0 || row >= static_cast<int>(order.size()) || order[row] == selected_) return;
    selected_ = order[row];
    showDesign();
  });
  connect(earlier_, &QPushButton::clicked, this, [this] { moveInOrder(-1); });
  connect(later_, &QPushButton::clicked, this, [this] { moveInOrder(1); });
  connect(mergeSmall_, &QPushButton::clicked, this, [this] {
    tidy(&MergeSmallRegions, QCoreApplication::translate("NewPicturePage", "Joined small regions %1 time(s)."));
  });
  connect(dropSmall_, &QPushButton::clicked, this, [this] {
    setDesign(DropSmallRegions(design_));
    Q_EMIT status(QCoreApplication::translate("NewPicturePage", "The small regions are left white."));
  });
  connect(mergeDown_, &QPushButton::clicked, this, [this] {
    tidy(&MergeSmallestSection, QCoreApplication::translate("NewPicturePage", "Joined the smallest sections %1 time(s)."));
  });
  connect(undoButton_, &QPushButton::clicked, this, [this] { undo(); });
  connect(redoButton_, &QPushButton::clicked, this, [this] { redo(); });
  auto* undoKey = new QShortcut(QKeySequence::Undo, this);
  connect(undoKey, &QShortcut::activated, this, [this] { undo(); });
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
    auto* redoKey = new QShortcut(key, this);
    connect(redoKey, &QShortcut::activated, this, [this] { redo(); });
  }
  connect(saveButton_, &QPushButton::clicked, this, [this] { save(); });
  connect(name_, &QLineEdit::returnPressed, this, [this] { save(); });
  showDesign();
}

bool NewPicturePage::isPhoto() const { return photoKind_->isChecked(); }

void NewPicturePage::chooseSource() {
  QFileDialog dialog(this, QCoreApplication::translate("NewPicturePage", "Open a Drawing or a Photo"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // the same dialog everywhere, and keyboard-friendly
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({QCoreApplication::translate("NewPicturePage", "Drawings and photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)"),
                         QCoreApplication::translate("NewPicturePage", "All files (*)")});
  // Where a carer's photos and scans usually are.
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  dialog.setDirectory(!pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  OpenSource(dialog.selectedFiles().first());
}

bool NewPicturePage::OpenSource(const QString& path) {
  sinceOpen_.start();
  SourceImage opened = LoadSourceImage(path);
  if (!opened.problem.isEmpty()) {
    QMessageBox::warning(this, QString::fromLatin1(Title), opened.problem);
    return false;
  }
  source_ = std::move(opened);
  sourceName_ = QFileInfo(path).completeBaseName();
  original_->setPixmap(QPixmap::fromImage(Framed(source_.image, OriginalSide)));
  undo_.clear();
  redo_.clear();
  design_ = Design{};
  selected_ = -1;
  joinFirst_ = -1;
  firstPreviewPending_ = true;
  const bool photo = LooksLikePhoto(source_.image);
  {
    const QSignalBlocker block(photoKind_);
    (photo ? photoKind_ : drawingKind_)->setChecked(true);
  }
  drawingControls_->setVisible(!photo);
  photoControls_->setVisible(photo);
  // A new picture gets a name of its own: the one the last picture was
  // saved under must not be offered again (and then replaced by mistake).
  name_->clear();
  rebuild();
  return true;
}

void NewPicturePage::rebuild() {
  if (source_.image.isNull()) return;
  QElapsedTimer timer;
  timer.start();
  QImage lines;
  if (isPhoto()) {
    lines = TracePhoto(source_.image, detail_->value());
  } else {
    lines = CleanDrawing(source_.image, {threshold_->value(), gaps_->value()}).lines;
  }
  if (lines.isNull()) {
    QMessageBox::warning(this, QString::fromLatin1(Title), QCoreApplication::translate("NewPicturePage", "Nothing could be made of this picture."));
    return;
  }
  setDesign(AnalyseLines(lines), !design_.lines.isNull());
  QString note = QCoreApplication::translate("NewPicturePage", "The picture was made again.");
  QString details = QCoreApplication::translate("NewPicturePage", "Preview made in %1 ms.").arg(timer.elapsed());
  if (firstPreviewPending_) {
    firstPreviewPending_ = false;
    note = QCoreApplication::translate("NewPicturePage", "Opened %1.").arg(sourceName_);
    details = QCoreApplication::translate("NewPicturePage", "%1 x %2 pixels; first preview after %3 ms.")
                  .arg(source_.original.width())
                  .arg(source_.original.height())
                  .arg(sinceOpen_.elapsed());
  }
  Q_EMIT status(note, details);
}

void NewPicturePage::setDesign(const Design& next, bool keepUndo) {
  if (keepUndo && !design_.lines.isNull()) {
    undo_.push_back(design_);
    if (undo_.size() > UndoSteps) undo_.erase(undo_.begin());
    redo_.clear();
  }
  design_ = next;
  joinFirst_ = -1;
  nudged_ = -1;
  if (selected_ >= static_cast<int>(design_.regions.size()) || (selected_ >= 0 && !design_.regions[selected_].marker)) selected_ = -1;
  unsaved_ = true;
  showDesign();
}

void NewPicturePage::showDesign() {
  const bool has = !design_.lines.isNull();
  const std::vector<int> order = has ? design_.Order() : std::vector<int>{};
  const int highlight = joinFirst_ >= 0 ? joinFirst_ : selected_;
  preview_->setPixmap(QPixmap::fromImage(has ? RenderPreview(design_, highlight) : Framed({})));
  {
    const QSignalBlocker block(sections_);
    sections_->clear();
    for (size_t k = 0; k < order.size(); ++k) {
      const Region& r = design_.regions[order[k]];
      auto* item = new QListWidgetItem(QCoreApplication::translate("NewPicturePage", "Section %1").arg(k + 1), sections_);
      // The measurements, for whoever wants them, out of the way.
      item->setToolTip(QCoreApplication::translate("NewPicturePage", "%1 pixels; marker at %2, %3").arg(r.area).arg(r.marker->x).arg(r.marker->y));
      if (order[k] == selected_) sections_->setCurrentRow(static_cast<int>(k));
    }
  }
  remarks_->setText(has ? Remarks(design_, isPhoto()).join(QLatin1Char(' ')) : QCoreApplication::translate("NewPicturePage", "Open a drawing or a photo to begin."));
  const bool chosen = selected_ >= 0;
  earlier_->setEnabled(chosen);
  later_->setEnabled(chosen);
  mergeSmall_->setEnabled(has && design_.SmallCount() > 0);
  dropSmall_->setEnabled(has && design_.SmallCount() > 0);
  mergeDown_->setEnabled(has && order.size() > static_cast<size_t>(MaxSections));
  undoButton_->setEnabled(!undo_.empty());
  redoButton_->setEnabled(!redo_.empty());
  saveButton_->setEnabled(has && !order.empty() && order.size() <= static_cast<size_t>(MaxSections));
}

void NewPicturePage::regionClicked(QPoint pixel) {
  if (design_.lines.isNull()) return;
  const int r = design_.RegionAt(pixel.x(), pixel.y());
  if (clickMoves_->isChecked()) {
    if (r >= 0 && design_.regions[r].small) {
      Q_EMIT status(QCoreApplication::translate("NewPicturePage", "That region is too small for a marker: join it to a neighbour, or drop it."));
      return;
    }
    if (auto moved = MoveMarker(design_, pixel.x(), pixel.y())) {
      selected_ = r;
      setDesign(*moved);
    } else {
      Q_EMIT status(QCoreApplication::translate("NewPicturePage", "A marker cannot stand there: it needs white all round it, inside a section."));
    }
    return;
  }
  if (clickJoins_->isChecked()) {
    if (r < 0) {
      Q_EMIT status(QCoreApplication::translate("NewPicturePage", "Click inside a region, not on a line."));
    } else if (joinFirst_ < 0 || joinFirst_ == r) {
      joinFirst_ = joinFirst_ == r ? -1 : r;
      showDesign();
      if (joinFirst_ >= 0) Q_EMIT status(QCoreApplication::translate("NewPicturePage", "Now click the region beside it to join the two."));
    } else {
      QString problem;
      const int first = std::exchange(joinFirst_, -1);
      if (auto joined = JoinRegions(design_, first, r, &problem)) {
        setDesign(*joined);
        Q_EMIT status(QCoreApplication::translate("NewPicturePage", "The two regions are joined."));
      } else {
        showDesign();
        Q_EMIT status(problem);
      }
    }
    return;
  }
  if (clickErases_->isChecked()) return stroked({pixel});
  if (lineSplits_->isChecked()) {
    Q_EMIT status(QCoreApplication::translate("NewPicturePage", "Hold the button down and draw a line across the region."));
    return;
  }
  selected_ = (r >= 0 && design_.regions[r].marker) ? r : -1;
  showDesign();
}

void NewPicturePage::stroked(const QVector<QPoint>& path) {
  if (design_.lines.isNull() || path.isEmpty()) return;
  QString problem;
  std::optional<Design> changed;
  if (lineSplits_->isChecked()) {
    changed = SplitRegion(design_, path.front(), path.back(), &problem);
  } else if (clickErases_->isChecked()) {
    changed = EraseLines(design_, std::vector<QPoint>(path.begin(), path.end()), &problem);
  } else {
    return;
  }
  if (!changed) {
    Q_EMIT status(problem);
    return;
  }
  const int before = static_cast<int>(design_.regions.size());
  setDesign(*changed);
  const int after = static_cast<int>(design_.regions.size());
  if (lineSplits_->isChecked()) {
    Q_EMIT status(QCoreApplication::translate("NewPicturePage", "The region is split in two."));
  } else {
    Q_EMIT status(after < before ? QCoreApplication::translate("NewPicturePage", "Erased. Regions the line divided are now one.") : QCoreApplication::translate("NewPicturePage", "Erased."));
  }
}

void NewPicturePage::nudgeMarker(int dx, int dy) {
  if (selected_ < 0 || !design_.regions[selected_].marker) return;
  const pictures::Seed m = *design_.regions[selected_].marker;
  if (auto moved = MoveMarker(design_, m.x + dx, m.y + dy); moved && moved->RegionAt(m.x + dx, m.y + dy) == selected_) {
    // One marker moved key press by key press is one step to undo.
    const int marker = selected_;
    setDesign(*moved, nudged_ != marker);
    nudged_ = marker;
  }
}

void NewPicturePage::moveInOrder(int step) {
  std::vector<int> order = design_.Order();
  const auto at = std::find(order.begin(), order.end(), selected_);
  if (at == order.end()) return;
  const auto k = at - order.begin();
  if (k + step < 0 || k + step >= static_cast<long>(order.size())) return;
  std::swap(order[k], order[k + step]);
  QString problem;
  if (auto arranged = ArrangeOrder(design_, order, &problem)) {
    setDesign(*arranged);
  } else {
    QMessageBox::information(this, QString::fromLatin1(Title), problem);
  }
}

void NewPicturePage::tidy(TidyResult (*step)(const Design&), const QString& done) {
  // Joining many regions takes a moment: the pointer says so.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TidyResult result = step(design_);
  QApplication::restoreOverrideCursor();
  if (result.joined > 0) setDesign(result.design);
  QString text = done.arg(result.joined);
  if (result.left > 0) {
    text += QCoreApplication::translate("NewPicturePage", " %1 stay red, or their shape would be lost: join them by hand, or drop them.").arg(result.left);
  }
  Q_EMIT status(text);
}

void NewPicturePage::undo() {
  if (undo_.empty()) return;
  redo_.push_back(std::move(design_));
  design_ = std::move(undo_.back());
  undo_.pop_back();
  if (selected_ >= static_cast<int>(design_.regions.size())) selected_ = -1;
  joinFirst_ = -1;
  nudged_ = -1;
  unsaved_ = true;
  showDesign();
  Q_EMIT status(QStringLiteral("Undone."));
}

void NewPicturePage::redo() {
  if (redo_.empty()) return;
  undo_.push_back(std::move(design_));
  design_ = std::move(redo_.back());
  redo_.pop_back();
  if (selected_ >= static_cast<int>(design_.regions.size())) selected_ = -1;
  joinFirst_ = -1;
  nudged_ = -1;
  unsaved_ = true;
  showDesign();
  Q_EMIT status(QCoreApplication::translate("NewPicturePage", "Done again."));
}

void NewPicturePage::save() {
  QElapsedTimer timer;
  timer.start();
  auto tell = [this](const QString& text) { QMessageBox::warning(this, QString::fromLatin1(Title), text); };
  if (design_.lines.isNull()) return tell(QCoreApplication::translate("NewPicturePage", "Open a drawing or a photo first."));
  QString base = name_->text().trimmed();
  if (base.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) base.chop(4);
  if (!QRegularExpression(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_ -]{0,59}$")).match(base).hasMatch()) {
    name_->setFocus();
    return tell(QCoreApplication::translate("NewPicturePage", "Give the picture a name of letters, digits, spaces, \"_\" or \"-\", beginning with a letter or digit."));
  }
  if (base.startsWith(QStringLiteral("aobj_"), Qt::CaseInsensitive)) {
    return tell(QCoreApplication::translate("NewPicturePage", "Names beginning with \"aobj_\" belong to Brushwell's own files. Choose another name."));
  }
  const QString fileName = base + QStringLiteral(".bmp");
  const QString path = QDir(folder_).filePath(fileName);
  const std::vector<int> order = design_.Order();
  if (order.empty() || order.size() > static_cast<size_t>(MaxSections)) {
    return tell(QCoreApplication::translate("NewPicturePage", "A picture needs 1 to 25 sections; this one has %1.").arg(order.size()));
  }
  const QImage picture = ComposePicture(design_);
  // Brushwell's own scan and fill, before anything is written.
  if (const QString wrong = CheckWithProgram(picture, design_, fileName); !wrong.isEmpty()) {
    return tell(QCoreApplication::translate("NewPicturePage", "The picture was not saved, because Brushwell would not colour it as shown:\n\n") + wrong);
  }
  if (QFileInfo::exists(path) &&
      QMessageBox::question(this, QString::fromLatin1(Title),
                            QCoreApplication::translate("NewPicturePage", "%1 is already in the program folder. Replace it?").arg(fileName)) != QMessageBox::Yes) {
    return;
  }
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) return tell(QCoreApplication::translate("NewPicturePage", "The picture could not be encoded."));
  }
  if (const QString why = platform::WriteFileVerified(path, bytes); !why.isEmpty()) {
    return tell(QCoreApplication::translate("NewPicturePage", "%1 could not be saved (%2). Nothing was changed in the program folder.").arg(path, why));
  }
  // Read back what was written, as the colouring window will.
  QImage written(path);
  const pictures::ScanResult scan = [&] {
    QImage shown = written;
    return pictures::ScanPicture(shown, fileName);
  }();
  QString problem;
  if (!scan.message.isEmpty() || !pictures::WriteSectionFile(pictures::SectionFileName(path), scan.seeds, &problem)) {
    return tell(QCoreApplication::translate("NewPicturePage", "%1 was saved, but its section file could not be written (%2). Brushwell will find "
                               "the sections itself the first time it shows the picture.")
                    .arg(fileName, scan.message.isEmpty() ? problem : scan.message));
  }
  unsaved_ = false;
  Q_EMIT pictureSaved(fileName);
  Q_EMIT status(QCoreApplication::translate("NewPicturePage", "Saved %1 with %2 sections. Add it to a list on the Picture Lists page.").arg(fileName).arg(order.size()),
                QCoreApplication::translate("NewPicturePage", "Checked and written in %1 ms.").arg(timer.elapsed()));
}

}  // namespace workshop
