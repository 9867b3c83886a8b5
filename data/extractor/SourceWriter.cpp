#include "SourceWriter.h"

#include <fstream>
#include <stdexcept>

namespace sindhikit::data {

void WriteSource(const std::filesystem::path& target, const std::vector<std::string>& comments,
                 const std::vector<Entry>& entries) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error(temporary.string() + ": cannot be written");
        for (const std::string& c : comments) out << "# " << c << '\n';
        for (const Entry& e : entries) {
            out << "en\t" << e.english << '\n';
            for (const std::string& s : e.sindhi) out << "sd\t" << e.english << '\t' << s << '\n';
            for (const Definition& d : e.definitions)
                out << "def\t" << e.english << '\t' << d.partOfSpeech << '\t' << d.gloss << '\n';
        }
        out.flush();
        if (!out) throw std::runtime_error(temporary.string() + ": write failed");
    }
    std::filesystem::rename(temporary, target);
}

}  // namespace sindhikit::data
