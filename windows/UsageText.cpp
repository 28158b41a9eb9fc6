#include "windows/UsageText.h"

namespace {

// Spaces inside the lines are part of the text, leading and trailing ones too.
const char* const UsageLines[] = {
    "This is a very simple applet program that allows you to manage simple 1-1",
    "relationship in a repeated exercise.  It's especially suitable for remembering",
    "Avocabulary, physics-chemistry equation, as well as numbers and ",
    "addresses. ",
    "It's very easy to use, just follow the instructions on the screen and open up the ",
    "database that you stored your information.  This database is a text based file and",
    "you don't need additional software to make it.  Just create it using a text-based ",
    "word processor such as Microsoft Wordpad or Notepad. ",
    "When you make the database, leave the first 19 lines as an introduction of the contents ",
    "of the database that will show up when you open the database. Then just enter one ",
    "line of information following a line of the corresponding information to that line. ",
    "For example, in a vocabulary memorization database, we have something like: ",
    "Introduction...",
    ".",
    ".",
    ".",
    ".",
    "..",
    "..(always remember the introduction of your database must take exactly 19 lines, ",
    "   but you may fill those lines with space) ",
    "<the word>",
    "<the corresponding meaning of the word>",
    "<another word>",
    "<the corresponding meaning of that word>",
    "..(fill as many of that pair as you want)",
    "",
    " ",
    "attached two build in databases with this program, one is the Most Frequent 100 ",
    "SAT Words, the other is GRE 1265 words, both of them downloaded from the internet, ",
    "and then processed into the readable database file using a separate program.",
    "",
    "Questions, fixes and new word lists are welcome by e-mail at wordloom@example.org, or visit our web site, ",
    "https://wordloom.example.org/",
};

}  // namespace

CString UsageText()
{
    CString text = UsageLines[0];
    for (std::size_t i = 1; i < sizeof UsageLines / sizeof UsageLines[0]; ++i) {
        text += "\r\n";
        text += UsageLines[i];
    }
    return text;
}
