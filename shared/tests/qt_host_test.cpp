#include <gtest/gtest.h>

#include "ui/qt_host.h"

TEST(QtHost, FilterTextBecomesQtNameFilters) {
  EXPECT_EQ(quorla::QtFilterText("Exchange data files:   (*.xms, *.dat)|*.xms;*.dat|All file types:   (*.*)|*.*")
                .toStdString(),
            "Exchange data files:   (*.xms *.dat);;All file types:   (*.*)");
  EXPECT_EQ(quorla::QtFilterText("Text files|*.txt").toStdString(), "Text files (*.txt)");
  EXPECT_EQ(quorla::QtFilterText("").toStdString(), "");
}
