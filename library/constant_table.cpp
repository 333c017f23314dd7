#include "library/constant_table.h"

#include <array>

#include "common/format_pattern.h"
#include "common/number_text.h"

namespace quorvex {

namespace {

// Value texts are stored as the general form writes them, so substitution puts exactly these
// characters into an expression. Names are in ascending byte order.
constexpr std::array<ConstantRow, 65> kConstants = {{
    {"a", "p", "7,5646E-15", "Returns the radiation density constant in erg/cm^3 Kelvin^4"},
    {"alladi", "n", "0,809394020540639",
     "Returns the value of the Alladi-Grinstead constant. Accurate to 13 digits"},
    {"alpha", "p", "0,00729735308", "Returns the Fine Structure constant. Accurate to 12 digits"},
    {"amu", "p", "1,6605402E-24", "Returns the mass of one amu in grams"},
    {"apery", "w", "1,20205690315959",
     "Returns the value of the Ap\xE9ry's constant. Accurate to 15 digits"},
    {"artin", "n", "0,3739558136192",
     "Returns the value of the Artin's constant. Accurate to 15 digits"},
    {"au", "as", "14960000000000", "Returns the astronomical unit in cm"},
    {"bhouse", "n", "1,45607494858268",
     "Returns the value of the Backhouse's constant. Accurate to 15 digits"},
    {"boltz", "p", "1,380658E-16", "Returns the Boltzmann constant in erg/Kelvin"},
    {"brun", "n", "1,902160578", "Returns the value of the Brun's constant. Accurate to 10 digits"},
    {"bstein", "a", "0,280169499",
     "Returns the value of the Bernstein's constant. Accurate to 11 digits"},
    {"c", "p", "29979245800", "Returns the speed of light in cm/s"},
    {"conway", "f", "1,30357726903429",
     "Returns the value of the Conway's constant. Accurate to 15 digits"},
    {"cyclic", "i", "0,4945668",
     "Returns the value of the Shapiro's Cyclic Sum constant. Accurate to 8 digits"},
    {"e", "w", "2,71828182845904",
     "Returns the value of the Natural Logarithmic Base constant. Accurate to 15 digits"},
    {"elec", "p", "4,8032068E-10", "Returns the electron charge in esu"},
    {"ev", "p", "1,6021772E-12", "Returns the electron volt in ergs"},
    {"falpha", "w", "2,50290787509589",
     "Returns the value of the Feigenbaum Alpha constant. Accurate to 15 digits"},
    {"fdelta", "w", "4,66920160910299",
     "Returns the value of the Feigenbaum Delta constant. Accurate to 15 digits"},
    {"frobin", "n", "2,80777024202851",
     "Returns the value of the Frans\xE9n-Robinson constant. Accurate to 15 digits"},
    {"g", "w", "0,91596559417721",
     "Returns the value of the Catalan's constant. Accurate to 15 digits"},
    {"gauss", "f", "2,62205755429211",
     "Returns the value of the Gauss' Lemniscate constant. Accurate to 15 digits"},
    {"gibbs", "a", "1,85193705198246",
     "Returns the value of the Wilbraham-Gibbs constant. Accurate to 15 digits"},
    {"gkw", "n", "0,30366300289873",
     "Returns the value of the Gauss-Kuzmin-Wirsing constant. Accurate to 15 digits"},
    {"glaish", "n", "1,28242712910062",
     "Returns the value of the Glaisher-Kinkelin constant. Accurate to 15 digits"},
    {"golomb", "d", "0,62432998854355",
     "Returns the value of the Golomb-Dickman constant. Accurate to 15 digits"},
    {"grav", "p", "6,67259E-8", "Returns the gravitational constant in cm^3/gram sec^2"},
    {"grossm", "f", "0,73733830336929",
     "Returns the value of the Grossman's constant. Accurate to 15 digits"},
    {"h", "p", "6,6260755E-27", "Returns the Planck constant in erg seconds"},
    {"hardsqr", "d", "1,503048082",
     "Returns the value of the Hard Square Entropy constant. Accurate to 10 digits"},
    {"hsm", "n", "0,35323637185499",
     "Returns the value of the Hafner-Sarnak-McCurley constant. Accurate to 15 digits"},
    {"k", "w", "2,6854520010653",
     "Returns the value of the Khintchine's constant. Accurate to 15 digits"},
    {"l_sun", "as", "3,9E33", "Returns the Solar luminosity in erg/sec"},
    {"landau", "n", "0,76422365358922",
     "Returns the value of the Landau-Ramanujan constant. Accurate to 15 digits"},
    {"lehmer", "f", "0,59263271820163",
     "Returns the value of the Lehmer's constant. Accurate to 15 digits"},
    {"lengyel", "d", "1,0986858055",
     "Returns the value of the Lengyel's constant. Accurate to 11 digits"},
    {"llimit", "a", "0,6627434193",
     "Returns the value of the Laplace Limit constant. Accurate to 11 digits"},
    {"loga", "w", "0,69314718055994",
     "Returns the value of the Logarithmic constant. Accurate to 15 digits"},
    {"ly", "as", "9,463E17", "Returns the light year in cm"},
    {"m_e", "p", "9,1093897E-28", "Returns the mass of an electon in grams"},
    {"m_h", "p", "1,6733E-24", "Returns the mass of one hydrogen atom in grams"},
    {"m_n", "p", "1,6749286E-24", "Returns the mass of a neutron in grams"},
    {"m_p", "p", "1,6726231E-24", "Returns the mass of a proton in grams"},
    {"m_sun", "as", "1,99E33", "Returns the solar mass in grams"},
    {"mert", "n", "0,26149721284764",
     "Returns the value of the Mertens' constant. Accurate to 15 digits"},
    {"mills", "n", "1,30637788386308",
     "Returns the value of the Mills' constant. Accurate to 15 digits"},
    {"n_a", "p", "6,0221367E23", "Returns the Avagadro number #/mole"},
    {"niven", "n", "1,70521114010536",
     "Returns the value of the Niven's constant. Accurate to 15 digits"},
    {"oninth", "a", "0,10765391922648",
     "Returns the value of the 'One-Ninth' constant. Accurate to 15 digits"},
    {"pc", "as", "3,086E18", "Returns the Parsec in cm"},
    {"phi", "w", "1,61803398874989", "Returns the value of the Golden Mean. Accurate to 15 digits"},
    {"pi", "w", "3,14159265358979",
     "Returns the value of the Archimedes' constant. Accurate to 15 digits"},
    {"porter", "n", "1,4670780794",
     "Returns the value of the Porter's constant. Accurate to 11 digits"},
    {"pyth", "w", "1,41421356237309",
     "Returns the value of the Pythagoras' constant. Accurate to 15 digits"},
    {"r", "p", "2,1798741E-11", "Returns the Rydberg constant in ergs"},
    {"r_sun", "as", "69600000000", "Returns the Solar radius in cm"},
    {"selfn", "n", "0,252660259",
     "Returns the value of the Self-Numbers Density constant. Accurate to 10 digits"},
    {"sigma", "p", "5,67051E-5",
     "Returns the Stefan-Boltzmann constant in erg/cm^2 Kelvin^4 sec. Accurate to 11 digits"},
    {"soldner", "n", "1,45136923488338",
     "Returns the value of the Ramanujan-Soldner constant. Accurate to 15 digits"},
    {"sqrice", "d", "1,5396007178",
     "Returns the value of the Lieb's Square Ice constant. Accurate to 11 digits"},
    {"stolar", "n", "0,812556559016",
     "Returns the value of the Stolarsky-Harborth constant. Accurate to 15 digits"},
    {"t_sun", "as", "5780", "Returns the Solar temperature in Kelvin"},
    {"twinp", "n", "0,66016181584686",
     "Returns the value of the Twin Prime constant. Accurate to 15 digits"},
    {"y", "w", "0,57721566490153",
     "Returns the value of the Euler-Mascheroni constant. Accurate to 15 digits"},
    {"yr", "as", "31560000", "Returns the number of seconds in a year"},
}};

constexpr std::array<ConstantCategoryInfo, 8> kCategories = {{
    {"i", "Analytic Inequalities"},
    {"a", "Approximation"},
    {"as", "Astronomical"},
    {"d", "Discrete Structures"},
    {"f", "Functional Iteration"},
    {"n", "Number Theory"},
    {"p", "Physical"},
    {"w", "Well-known"},
}};

}  // namespace

std::span<const ConstantRow> ConstantTable() { return kConstants; }

const ConstantRow* FindConstant(std::string_view name) {
  for (const ConstantRow& row : kConstants) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

int FindConstantIndex(std::string_view name) {
  const ConstantRow* row = FindConstant(name);
  return row == nullptr ? -1 : static_cast<int>(row - kConstants.data());
}

std::span<const ConstantCategoryInfo> ConstantCategories() { return kCategories; }

std::string_view ConstantCategoryName(std::string_view code) {
  for (const ConstantCategoryInfo& category : kCategories) {
    if (category.code == code) return category.name;
  }
  return {};
}

std::string_view ConstantCategoryCode(int position) {
  if (position < 1 || position > static_cast<int>(kCategories.size())) return {};
  return kCategories[static_cast<size_t>(position - 1)].code;
}

std::string ConstantFormulaLine(const ConstantRow& row) {
  // Every value text of the table is a number; 0 only guards a row that is not.
  const long double value = ParseNumber(row.value).value_or(0.0L);
  std::string line(row.name);
  line += " = ";
  line += FormatPattern("0.####", value);
  line += "...";
  return line;
}

}  // namespace quorvex
