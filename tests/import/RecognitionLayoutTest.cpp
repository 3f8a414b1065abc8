// Recognition of unknown bank files in the layouts German banks export: the
// roles the columns get, the header line, the bookings, the amount layout
// and the balance line, and the format written from them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "import/FormatAnalysis.h"
#include "import/ImportFormat.h"
#include "support/ScriptedMessages.h"
#include "tests/import/RecognitionTestSupport.h"

namespace {

using ::testing::IsEmpty;

class RecognitionLayoutTest : public ::testing::Test {
 protected:
  int Recognise(const std::string& file, const CFormatXML& names = ShippedHeaderNames()) {
    table_ = ReadBankFile(file);
    CFormatAnalysis analysis(names, nullptr);
    const int recognised = analysis.Recognise(table_, format_);
    result_ = analysis.Result();
    return recognised;
  }

  CScriptedMessages messages_;
  CCsvTable table_;
  CImportFormatData format_;
  CRecognitionResult result_;
};

// Header block with account, period and balance; one signed amount column.
TEST_F(RecognitionLayoutTest, SignedAmountWithHeaderBlock) {
  ASSERT_EQ(Recognise("erkennung_girokonto.csv"), 1);
  EXPECT_THAT(messages_.Texts(), IsEmpty());

  EXPECT_EQ(result_.headerLine, 7);
  EXPECT_EQ(result_.firstDataLine, 8);
  EXPECT_EQ(result_.lastDataLine, 17);
  EXPECT_EQ(result_.amountLayout, 1);
  // "Wertstellung" also holds the two dates of the period lines.
  EXPECT_EQ(format_.SpaltenNrDatum, 2);
  // Purpose, counterpart, booking text: all named as descriptions, ranked
  // by their long texts; the IBAN column is named an account.
  EXPECT_EQ(format_.SpaltenNrBeschreibung, 5);
  EXPECT_EQ(format_.SpaltenNrBeschreibung2, 4);
  EXPECT_EQ(format_.SpaltenNrBeschreibung3, 3);
  // The trailing empty column is numeric too, but "Betrag (EUR)" is named.
  EXPECT_EQ(format_.SpaltenNrBetragHaben, 7);
  EXPECT_EQ(format_.SpaltenNrBetragSoll, 0);
  EXPECT_EQ(format_.AlternativBetragHaben, 0);
  EXPECT_EQ(format_.VorzeichenBetrag, 0);

  // The balance above the header: an old balance by its place.
  EXPECT_EQ(result_.balanceLine, 5);
  EXPECT_EQ(result_.balanceText, "Kontostand vom 31.03.2024:");
  EXPECT_EQ(result_.balanceKind, 0);
  EXPECT_EQ(format_.SpaltenNrKontostandKennstring, 1);
  EXPECT_EQ(format_.SpaltenNrKontostandHaben, 2);
  EXPECT_EQ(format_.SpaltenNrKontostandSoll, 0);
  EXPECT_EQ(format_.SpaltenNrKontostandDatum, 0);
  EXPECT_EQ(format_.m_iKontostandZeilenOperator, 4);
  EXPECT_EQ(format_.m_iKontostandZeile, 5);

  EXPECT_EQ(format_.m_iKontoInfoEinzelZeile, 1);
  EXPECT_EQ(format_.SpaltenNrKonto, 1);
  EXPECT_EQ(format_.m_iKontoInfoZeilenOperator, 4);
  EXPECT_EQ(format_.m_iKontoInfoZeile, 6);
}

// Debits and credits in columns of their own; two date columns with the
// same number of dates.
TEST_F(RecognitionLayoutTest, SeparateDebitAndCreditColumns) {
  ASSERT_EQ(Recognise("erkennung_soll_haben.csv"), 1);

  EXPECT_EQ(result_.headerLine, 1);
  EXPECT_EQ(result_.firstDataLine, 2);
  EXPECT_EQ(result_.lastDataLine, 9);
  EXPECT_EQ(result_.amountLayout, 3);
  // Equal counts: the later column wins.
  EXPECT_EQ(format_.SpaltenNrDatum, 2);
  EXPECT_EQ(format_.SpaltenNrBeschreibung, 4);
  EXPECT_EQ(format_.SpaltenNrBeschreibung2, 3);
  // "Währung" is never a description.
  EXPECT_EQ(format_.SpaltenNrBeschreibung3, 0);
  EXPECT_EQ(format_.SpaltenNrBetragHaben, 6);
  EXPECT_EQ(format_.SpaltenNrBetragSoll, 5);
  EXPECT_EQ(format_.AlternativBetragHaben, 1);
  EXPECT_EQ(format_.VorzeichenBetrag, 0);

  // No line outside the bookings holds a number: no balance is read.
  EXPECT_EQ(result_.balanceLine, 0);
  EXPECT_EQ(result_.balanceText, "");
  EXPECT_EQ(format_.SpaltenNrKontostandHaben, 0);
  EXPECT_EQ(format_.SpaltenNrKontostandKennstring, 0);
  EXPECT_EQ(format_.m_iKontostandZeilenOperator, 4);
  EXPECT_EQ(format_.m_iKontostandZeile, 0);
  EXPECT_EQ(format_.m_iKontoInfoZeile, 0);
}

// Unsigned amounts with an S/H column, opening and closing balance below
// the bookings.
TEST_F(RecognitionLayoutTest, AmountWithSignColumnAndClosingBalance) {
  ASSERT_EQ(Recognise("erkennung_vorzeichen.csv"), 1);

  EXPECT_EQ(result_.headerLine, 9);
  EXPECT_EQ(result_.firstDataLine, 10);
  EXPECT_EQ(result_.lastDataLine, 17);
  EXPECT_EQ(result_.amountLayout, 2);
  EXPECT_EQ(format_.SpaltenNrDatum, 1);
  EXPECT_EQ(format_.SpaltenNrBeschreibung, 3);
  EXPECT_EQ(format_.SpaltenNrBeschreibung2, 4);
  EXPECT_EQ(format_.SpaltenNrBeschreibung3, 0);
  EXPECT_EQ(format_.SpaltenNrBetragHaben, 6);
  EXPECT_EQ(format_.SpaltenNrBetragSoll, 7);
  EXPECT_EQ(format_.VorzeichenBetrag, 1);
  EXPECT_EQ(format_.VorzeichenBetragFormat, "[H][S]");
  EXPECT_EQ(format_.AlternativBetragHaben, 0);

  // "Endsaldo" beats "Anfangssaldo" by its name.
  EXPECT_EQ(result_.balanceLine, 20);
  EXPECT_EQ(result_.balanceText, "Endsaldo");
  EXPECT_EQ(result_.balanceKind, 1);
  EXPECT_EQ(format_.SpaltenNrKontostandKennstring, 4);
  EXPECT_EQ(format_.SpaltenNrKontostandHaben, 6);
  EXPECT_EQ(format_.SpaltenNrKontostandSoll, 7);
  EXPECT_EQ(format_.SpaltenNrKontostandDatum, 1);
  EXPECT_EQ(format_.VorzeichenKontostand, 1);
  EXPECT_EQ(format_.VorzeichenKontostandFormat, "[H][S]");
  EXPECT_EQ(format_.AlternativKontostandHaben, 0);
  EXPECT_EQ(format_.m_iKontostandZeilenOperator, 6);
  EXPECT_EQ(format_.m_iKontostandZeile, 0);
  EXPECT_EQ(format_.m_iKontoInfoZeile, 8);
}

// Without header names nothing is named: the sign column cannot be found,
// and of the two balance lines the later one wins the tie.
// The same statement with "+"/"-" in the sign column: a lone "-" is a sign,
// not a number, so the column is still found.
TEST_F(RecognitionLayoutTest, AmountWithPlusMinusSignColumn) {
  ASSERT_EQ(Recognise("erkennung_plus_minus.csv"), 1);

  EXPECT_EQ(result_.amountLayout, 2);
  EXPECT_EQ(format_.SpaltenNrBetragHaben, 6);
  EXPECT_EQ(format_.SpaltenNrBetragSoll, 7);
  EXPECT_EQ(format_.VorzeichenBetrag, 1);
  EXPECT_EQ(format_.VorzeichenBetragFormat, "[+][-]");
}

TEST_F(RecognitionLayoutTest, WithoutHeaderNamesTheCellsAloneDecide) {
  const CFormatXML noNames("");
  ASSERT_EQ(Recognise("erkennung_vorzeichen.csv", noNames), 1);

  EXPECT_EQ(result_.amountLayout, 1);
  EXPECT_EQ(format_.SpaltenNrBetragHaben, 6);
  EXPECT_EQ(format_.SpaltenNrBetragSoll, 0);
  EXPECT_EQ(format_.VorzeichenBetrag, 0);
  EXPECT_EQ(result_.balanceLine, 20);
  EXPECT_EQ(result_.balanceText, "");
  EXPECT_EQ(result_.balanceKind, 1);  // below the middle of the file
  EXPECT_EQ(format_.SpaltenNrKontostandKennstring, 0);
  EXPECT_EQ(format_.SpaltenNrKontostandHaben, 6);
}

TEST_F(RecognitionLayoutTest, FillsTheMandatoryFlagsAndLeavesNameSeparatorAndFileChoice) {
  format_.Bezeichnung = "Meine Bank";
  format_.Seperator = ';';
  format_.AutoReadInPath = 1;
  format_.DateiEndung = "csv";
  format_.SpaltenNrZielkonto = 3;
  format_.PflichtKontostandDatum = 1;
  ASSERT_EQ(Recognise("erkennung_soll_haben.csv"), 1);

  EXPECT_EQ(format_.Bezeichnung, "Meine Bank");
  EXPECT_EQ(format_.Seperator, ';');
  EXPECT_EQ(format_.AutoReadInPath, 1);
  EXPECT_EQ(format_.DateiEndung, "csv");
  EXPECT_EQ(format_.SpaltenNrZielkonto, 0);
  EXPECT_EQ(format_.PflichtKonto, 1);
  EXPECT_EQ(format_.PflichtBeschreibung, 1);
  EXPECT_EQ(format_.PflichtDatum, 1);
  EXPECT_EQ(format_.PflichtBetragHaben, 1);
  EXPECT_EQ(format_.PflichtKontostandKennstring, 1);
  EXPECT_EQ(format_.PflichtKontostandHaben, 1);
  EXPECT_EQ(format_.PflichtZielkonto, 0);
  EXPECT_EQ(format_.PflichtKontostandDatum, 0);
  EXPECT_EQ(format_.m_iKontostandEinzelZeile, 1);
}

}  // namespace
