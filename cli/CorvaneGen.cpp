#include "cli/CorvaneGen.h"

#include "files/ButtonFile.h"
#include "files/FileError.h"
#include "generate/Scrambler.h"

#include <new>
#include <string_view>

namespace corvane {

namespace {

constexpr std::string_view Usage = R"(Usage: corvane-gen html [--plain|--encrypt] FILE...
       corvane-gen cancel-link EMAIL
       corvane-gen cart-link EMAIL
       corvane-gen --help

Writes the HTML of the payment buttons kept in button files, or a service link, to
standard output, one line each.

Commands:
  html         For each FILE in turn: read it as a button file (single item,
               subscription or shopping cart) and write the code of its button.
  cancel-link  The link through which buyers cancel their subscriptions to EMAIL.
  cart-link    The link that shows a buyer the shopping cart of EMAIL.

Options of html:
  --encrypt    Scramble every code into a self-decoding script block.
  --plain      Never scramble.
               Without either, each file's "Encrypt Code" setting decides.
  --           Take every later argument as a FILE.

Exit status: 0 on success, 1 when a file cannot be read or the output cannot be
written, 2 for a usage error.
)";

enum class Scrambling { AsFileSays, Plain, Encrypt };

struct UsageError {
    std::string message;
};

// A picture line that names no picture gives picture 1, the one that a page as it starts has ticked.
template <typename Button> Button WithPictureChosen(Button button) {
    if (button.ImageChoice == 0)
        button.ImageChoice = 1;
    return button;
}

// The code of the button in one file.
std::string ButtonCode(const ButtonFileLines& lines, Scrambling scrambling, FillerGenerator& filler) {
    std::string code;
    bool encrypt = false;
    switch (ButtonFileKind(lines)) {
    case ButtonKind::SingleItem: {
        const SingleItemButton button = WithPictureChosen(DecodeSingleItem(lines));
        code = GenerateSingleItemCode(button);
        encrypt = button.Encrypt;
        break;
    }
    case ButtonKind::Subscription: {
        const SubscriptionButton button = WithPictureChosen(DecodeSubscription(lines));
        code = GenerateSubscriptionCode(button);
        encrypt = button.Encrypt;
        break;
    }
    case ButtonKind::Cart: {
        const CartButton button = WithPictureChosen(DecodeCart(lines));
        code = GenerateCartCode(button);
        encrypt = button.Encrypt;
        break;
    }
    }
    if (scrambling == Scrambling::Encrypt || (scrambling == Scrambling::AsFileSays && encrypt))
        code = EncryptCode(code, filler);
    return code;
}

// Output that could not be written in full: a full disk, a closed standard output.
struct WriteError {};

// Writes `text` and flushes it, so that a failure shows before anything more is done.
void Write(std::ostream& out, std::string_view text) {
    out << text;
    out.flush();
    if (!out)
        throw WriteError{};
}

struct HtmlRequest {
    Scrambling scrambling = Scrambling::AsFileSays;
    std::vector<std::string> files;
};

// Options come before the files: one of them later would otherwise be taken for a file after the files
// before it had been written. Everything is checked before anything is read or written.
HtmlRequest ReadHtmlArguments(const std::vector<std::string>& arguments) {
    HtmlRequest request;
    bool optionsEnded = false;
    for (std::size_t next = 1; next < arguments.size(); ++next) {
        const std::string& argument = arguments[next];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            request.files.push_back(argument);
            continue;
        }
        if (argument != "--plain" && argument != "--encrypt")
            throw UsageError{"unknown option " + argument};
        if (!request.files.empty())
            throw UsageError{"option " + argument + " after a FILE: options come before the files"};
        const Scrambling chosen = argument == "--plain" ? Scrambling::Plain : Scrambling::Encrypt;
        if (request.scrambling == chosen)
            throw UsageError{argument + " given twice"};
        if (request.scrambling != Scrambling::AsFileSays)
            throw UsageError{"--plain and --encrypt exclude each other"};
        request.scrambling = chosen;
    }
    if (request.files.empty())
        throw UsageError{"html needs at least one FILE"};
    return request;
}

int RunHtml(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const HtmlRequest request = ReadHtmlArguments(arguments);
    // One scrambler state for the run, from seed 0, going on from file to file as in the window program.
    FillerGenerator filler;
    for (const std::string& file : request.files) {
        ButtonFileLines lines;
        try {
            lines = ReadButtonFile(file);
        } catch (const FileError& error) {
            err << ErrorBoxText(error.what()) << '\n';
            return 1;
        }
        Write(out, ButtonCode(lines, request.scrambling, filler) + '\n');
    }
    return 0;
}

int RunLink(const std::vector<std::string>& arguments, std::ostream& out) {
    if (arguments.size() != 2)
        throw UsageError{arguments[0] + " needs exactly one EMAIL"};
    const std::string& email = arguments[1];
    Write(out, (arguments[0] == "cancel-link" ? CancelSubscriptionLink(email) : ViewCartLink(email)) + '\n');
    return 0;
}

} // namespace

int RunCorvaneGen(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        if (arguments.empty())
            throw UsageError{"no command given"};
        const std::string& command = arguments[0];
        if (command == "--help" || command == "-h" || command == "help") {
            Write(out, Usage);
            return 0;
        }
        if (command == "html")
            return RunHtml(arguments, out, err);
        if (command == "cancel-link" || command == "cart-link")
            return RunLink(arguments, out);
        throw UsageError{"unknown command " + command};
    } catch (const UsageError& error) {
        err << "corvane-gen: " << error.message << "\nTry 'corvane-gen --help' for more information.\n";
        return 2;
    } catch (const WriteError&) {
        err << ErrorBoxText(FileError::StreamWrite().what()) << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        err << OutOfMemoryMessage << '\n';
        return 1;
    }
}

} // namespace corvane
