#include "utility/rules/first_view.h"

FirstView PlanFirstView(const std::string& commandText, const std::string& nowDir,
                        const std::string& nowTxt) {
    if (!commandText.empty()) return {FirstListing::CommandFolder, "", ""};
    if (!nowDir.empty()) return {FirstListing::SavedFolder, nowDir, nowTxt};
    if (!nowTxt.empty()) return {FirstListing::SavedText, "", nowTxt};
    return {};
}
