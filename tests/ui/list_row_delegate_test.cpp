// The expression list measures its rows from cached character widths; a row must come out as
// wide as the standard measure (so no text is cut short) and not visibly wider.
#include "ui/list_row_delegate.h"

#include <QListWidget>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTest>

class ListRowDelegateTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void rowSizeFollowsTheStandardMeasure_data();
  void rowSizeFollowsTheStandardMeasure();
};

void ListRowDelegateTest::rowSizeFollowsTheStandardMeasure_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("fontFamily");  // empty: the list's own font
  QTest::newRow("an expression") << "2*sqrt[16]+pi" << QString();
  QTest::newRow("kerning pairs") << "AVAVAV To Ty We" << QString();
  QTest::newRow("blanks only") << "     " << QString();
  QTest::newRow("a ligature pair") << "fifl ffi" << QString();
  QTest::newRow("Latin-1 letters and the euro of the code page")
      << QStringLiteral("é’€ÄÖÜß×÷") << QString();
  QTest::newRow("a long line") << QString(QStringLiteral("sin[1,5]*cos[2]+")).repeated(60)
                               << QString();
  QTest::newRow("beyond Latin-1 is measured the standard way")
      << QStringLiteral("x=αβγ∑ 中文") << QString();
  QTest::newRow("a serif font") << "AVAVAV 1234567890 Wa"
                                << "Serif";
  QTest::newRow("empty") << "" << QString();
}

void ListRowDelegateTest::rowSizeFollowsTheStandardMeasure() {
  QFETCH(QString, text);
  QFETCH(QString, fontFamily);
  QListWidget list;
  if (!fontFamily.isEmpty()) list.setFont(QFont(fontFamily, 13));
  // The first row sets the delegate's margins; the row under test is another one.
  list.addItems({QStringLiteral("1+1"), text});
  QStyledItemDelegate standard;
  quorvex::ListRowDelegate rows(nullptr);
  QStyleOptionViewItem option;
  option.initFrom(&list);
  option.font = list.font();
  option.fontMetrics = QFontMetrics(list.font());
  const QModelIndex first = list.model()->index(0, 0);
  const QModelIndex index = list.model()->index(1, 0);
  rows.sizeHint(option, first);
  const QSize expected = standard.sizeHint(option, index);
  const QSize actual = rows.sizeHint(option, index);
  QCOMPARE(actual.height(), expected.height());
  QVERIFY2(actual.width() >= expected.width(),
           qPrintable(QStringLiteral("%1 < %2").arg(actual.width()).arg(expected.width())));
  // Kerning, which the quick measure leaves out, adds at most about half a pixel a character.
  QVERIFY2(actual.width() <= expected.width() + 2 + text.size() / 2,
           qPrintable(QStringLiteral("%1 > %2").arg(actual.width()).arg(expected.width())));
}

QTEST_MAIN(ListRowDelegateTest)
#include "list_row_delegate_test.moc"
