#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

namespace korvelan::app {

// The swap search's progress window of the inventory/location model, shown while
// the search runs when "&< Show Exchange Progress" is on: the share of located sites
// tried, the share of candidates tried for the current one, and whether the last
// located site found a swap.
class TTolvanSwapProgress : public QWidget {
  Q_OBJECT
 public:
  explicit TTolvanSwapProgress(QWidget* parent = nullptr);

  QProgressBar* SitesGauge;
  QProgressBar* CandidatesGauge;
  QLabel* Status;

  // A negative share leaves its gauge as it is; an empty status leaves the text.
  void SetProgress(int sitesPercent, int candidatesPercent, const QString& status);
};

}  // namespace korvelan::app
