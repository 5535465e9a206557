#include "text/MessageCatalogue.h"

#include <algorithm>
#include <iterator>

namespace scrivix {

namespace {

struct Entry
{
    int number;
    const char* text;
};

// Sorted by number; every text starts with its own number and a hyphen.
constexpr Entry kCatalogue[] = {
    {0,
     "0-There is no help topic for the control you selected. Help is mostly provided for blue fields to "
     "indicate the source of the information Scrivix is placing in that field. "},
    {1100, "1100-Error messages go here"},
    {1101,
     "1101-You should save client files with the extension scx. The extension of this file is being changed "
     "to scx. "},
    {1102, "1102-DeleteForm. Non-valid sender (neither TMenuItem or TTreeView). "},
    {1103, "1103-DeleteForm. Bad tag from sender. "},
    {1104, "1104-NewForm. Non-valid sender (neither TMenuItem or TTreeView). "},
    {1105, "1105-NewForm. Bad tag from sender. "},
    {1106, "1106 -An error occurred while attempting to View a continuation page. "},
    {1107, "1107-Error in New Form routine - "},
    {1108,
     "1108-Scrivix is designed for monitors compliant with the now-old resolution standard of 1024x768. We "
     "no longer support lesser resolutions, i.e., 800x600. You might try using the Option menu's Zoom "
     "command to make adjustments."},
    {1109,
     "1109-This button transfers information from the Loan Estimate form to the Closing Disclosure form."},
    {1110,
     "1110-THIS IS NOT AN ERROR. Note that when you install the update, any template changes we make will "
     "likely overwrite any template customizations you may have made. Therefore, if you have customized any "
     "templates, make sure to backup the Templates folder located at: C:\\Tessivar\\Scrivix\\Templates\\."},
    {1126, "1126-Error in Delete Form routine - "},
    {1129, "1129-Bad Tag. Please call Tessivar about this error. "},
    {1130,
     "1130-Your globals don't appear to be set. At least the attorney/preparer name field is empty. If you "
     "haven't set globals yet, go to the Options menu and Set Globals Defaults."},
    {1150,
     "1150-You must have MS Word installed. Scrivix cannot preview and print documents without MS Word. "},
    {1155,
     "1155-Word Processing Error. You must have MS Word installed for Send to Word Processor to work. If "
     "Word is not available, use the Print function which will send the file to your default RTF editor - "
     "WordPad (Windows) or TextEdit (Mac). "},
    {1200, "1200-Error in Margins"},
    {1210, "1210-Test New Customized Error. The test text string used was: "},
    {1300, "1300-ErrorMessage. "},
    {1308, "1308-FormKeyDown. This answer is overrideable. Select Override on the Options menu. "},
    {1309, "1309-FormKeyDown. This answer is overrideable. Select Override on the Options menu. "},
    {1314,
     "1314-FormShow. This is NOT an error. You have more than 8 windows open, you may want to close one or "
     "more forms that you're not using. Use the Close Active command on the Window menu. "},
    {1321, "1321-PageListToInputComponent. "},
    {1323, "1323-ReduceControl. "},
    {1327, "1327-Unable to locate or load the RTF file that represents the requested Display page. "},
    {1400, "1400-Error messages go here. "},
    {1401, "1401-Clear page error in Main. "},
    {1402, "1402-Form create error in multiple. "},
    {1403, "1403-ContinuationDlg error in Main. "},
    {1404, "1404-PresentContinuationDlg error in Main. "},
    {1405, "1405-DisplayKinWorksheet error in Main. "},
    {1500, "1500-Reserved."},
    {1501,
     "1501-The directory choice is not valid. You'll need to reset the default scx file location when the "
     "dialog opens. The default path is C:\\Tessivar\\Scrivix\\Files\\"},
    {1503, "1503-The directory you chose does not exist or there is an access problem."},
    {1600, "1600-Error messages go here"},
    {1601, "1601-The gender column can only have 3 values: \"M\", \"F\" or empty. Remove: "},
    {1700, "1700-Error messages go here"},
    {1800, "1800-Error messages go here"},
    {1803, "1803-Unable to create attachment.txt file. "},
    {1900, "1900-Error messages go here"},
    {2000, "2000-Error messages go here. "},
    {2100, "2100-Error messages go here"},
    {2101, "2101-ConvertTeens. There was a dollar error on the attorney fee form. "},
    {2102, "2102-ConvertDate. Scrivix was unable to convert a date to a string. "},
    {2103,
     "2103-TransferAnswers. This error may relate to a corrupt template if you just modified the template "
     "for the doc you were trying to print. Try using the Option menu's Check Template command to check and "
     "fix the template. If that doesn't work, try resaving the template using WordPad."},
    {2106, "2106-GetNumFromText. Possible bad RTF template file. "},
    {2107, "2107-GetNumFromText. Possible bad RTF template file. "},
    {2108, "2108-DisplayAbbrFileName. "},
    {2109,
     "2109-Float2Dollar. An error occurred when Scrivix attempted to convert real number to a text "
     "representation. "},
    {2110,
     "2110-InsertString. This error occurs as Scrivix substitutes text for the variables in the RTF "
     "template. This can occur when the RTF has been corrupted and reinstalling Scrivix should fix the "
     "problem. "},
    {2111,
     "2111-MakeReal. An error occurred while Scrivix was attempting to read a real number, ie., converting "
     "one of your text entries to a real number. Check your entries. "},
    {2112,
     "2112-MakeReal_2. An error occurred while Scrivix was attempting to read a real number, ie., converting "
     "one of your text entries to a real number. Check your entries. "},
    {2113, "2113-MakeTab. An error occurred decoding a tab position in the screen/print TXT file. "},
    {2114, "2114-Remove Asterisk. "},
    {2115, "2115-RemoveCommasAndSigns. "},
    {2116, "2116-RemoveHyphens. "},
    {2117, "2117-Str2Float_4. An error occurred while Scrivix was converting an entry to a real number. "},
    {2118,
     "2118-Str2Float_P. An error occurred while Scrivix was converting an entry to a real number. This can "
     "occur when a date field contains text that it cannot read. When in doubt, use MM/DD/YY format and let "
     "Scrivix do the conversions. If available: Page - "},
    {2119, "2119-Str2Float_0. An error occurred while Scrivix was converting an entry to a real number. "},
    {2120, "2120-Str2Float_2. An error occurred while Scrivix was converting an entry to a real number: "},
    {2121, "2121-Str2Int. An error occurred while Scrivix was converting an entry to an integer number. "},
    {2123,
     "2123-TransferDocument. This error occurs as Scrivix substitutes text for the variables in the RTF "
     "template. This can occur when the RTF has been corrupted and reinstalling Scrivix may fix the "
     "problem. "},
    {2124, "2124-TrimStr. "},
    {2125,
     "2125-TransferAnswers. This error occurs as Scrivix substitutes text for the variables in the RTF "
     "template. This can occur when the RTF has been corrupted and reinstalling Scrivix may fix the "
     "problem. "},
    {2126, "2126-NumberToWords. "},
    {2127, "2127-NumberToWords. "},
    {2139,
     "2139-Font reduction below zero. This error usually denotes a corrupt RTF file. Reinstallation may fix "
     "this problem. "},
    {2200, "2200-Error messages go here"},
    {2300, "2300-Error messages go here"},
    {2400, "2400-Error messages go here"},
    {2500, "2500-Error messages go here"},
    {2600, "2600-Error messages go here"},
    {2700, "2700-Error messages go here"},
    {2800, "2800-Error messages go here"},
    {2900, "2900-Error messages go here"},
    {3000, "3000-Error messages go here"},
    {3300, "3300-Error messages go here"},
    {3400, "3400-Error messages go here"},
    {3500, "3500-Error messages go here"},
    {3600, "3600-Error messages go here"},
    {3700, "3700-Error messages go here"},
    {3800, "3800-Error messages go here"},
};

constexpr bool isSorted()
{
    for (std::size_t i = 1; i < std::size(kCatalogue); ++i) {
        if (kCatalogue[i - 1].number >= kCatalogue[i].number)
            return false;
    }
    return true;
}
static_assert(isSorted(), "the catalogue must stay sorted by number");

} // namespace

QString MessageCatalogue::text(int catalogueNo)
{
    const auto it = std::lower_bound(std::begin(kCatalogue),
                                     std::end(kCatalogue),
                                     catalogueNo,
                                     [](const Entry& e, int n) { return e.number < n; });
    if (it == std::end(kCatalogue) || it->number != catalogueNo)
        return {};
    return QString::fromLatin1(it->text);
}

} // namespace scrivix
