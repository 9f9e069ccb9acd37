#include "BashCompletion.h"

#include <sstream>

namespace kakeibo::reference {

namespace {

// The completion itself; @F@ is the function's name, @TABLES@ the tables of
// the program's commands, keyed by the command's words each after a slash
// ("/" the program, "/export/hibi" a command of a command: bash takes no
// empty key).
const char* kCompletionBody = R"(@F@_value_kind()
{
    # The kind of value the option $2 takes where the words name command $1;
    # fails for an option that takes none.
    local scope=$1 entry
    while :; do
        for entry in ${valued[$scope]-}; do
            if [[ ${entry%%:*} == "$2" ]]; then
                echo "${entry#*:}"
                return 0
            fi
        done
        [[ $scope == / || $fallthrough != 1 ]] && return 1
        scope=${scope%/*}
        scope=${scope:-/}
    done
}

@F@_complete_value()
{
    case $1 in
        file) _filedir ;;
        folder) _filedir -d ;;
        *) COMPREPLY=() ;;
    esac
}

@F@()
{
    local cur prev words cword split
    _init_completion -s || return

@TABLES@
    # Which command the words so far name, and how many of its arguments
    # are given.
    local path=/ given=0 i word
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ $word == -* ]]; then
            if [[ $word != *=* ]] && @F@_value_kind "$path" "$word" >/dev/null; then
                i=$((i + 1))
            fi
        elif [[ " ${commands[$path]-} " == *" $word "* ]]; then
            path=${path%/}/$word
            given=0
        else
            given=$((given + 1))
        fi
    done

    local kind
    if [[ $prev == -* ]] && kind=$(@F@_value_kind "$path" "$prev"); then
        @F@_complete_value "$kind"
        return
    fi
    [[ $split == true ]] && return

    if [[ $cur == -* ]]; then
        local names="" scope=$path entry
        while :; do
            names+=" ${flags[$scope]-}"
            for entry in ${valued[$scope]-}; do names+=" ${entry%%:*}"; done
            [[ $scope == / || $fallthrough != 1 ]] && break
            scope=${scope%/*}
            scope=${scope:-/}
        done
        COMPREPLY=($(compgen -W "$names" -- "$cur"))
        return
    fi
    if [[ -n ${commands[$path]-} ]]; then
        COMPREPLY=($(compgen -W "${commands[$path]}" -- "$cur"))
        return
    fi
    local -a kinds=(${arguments[$path]-})
    @F@_complete_value "${kinds[given]-}"
} &&
    complete -F @F@ @PROGRAM@
)";

const char* kindWord(ValueKind kind) {
    switch (kind) {
    case ValueKind::File:
        return "file";
    case ValueKind::Folder:
        return "folder";
    default:
        return "text";
    }
}

std::string key(const CommandEntry& command) {
    std::string words;
    for (const std::string& word : command.path) words += "/" + word;
    return "[\"" + (words.empty() ? "/" : words) + "\"]";
}

std::string tables(const CommandTree& tree) {
    std::ostringstream commands, flags, valued, arguments;
    for (const CommandEntry& command : tree.commands) {
        std::string names;
        for (const std::string& sub : command.commands) names += (names.empty() ? "" : " ") + sub;
        if (!names.empty()) commands << "        " << key(command) << "=\"" << names << "\"\n";

        std::string flagNames, valueNames;
        for (const OptionEntry& option : command.options) {
            for (const std::string& name : option.names) {
                std::string& list = option.valueName.empty() ? flagNames : valueNames;
                if (!list.empty()) list += ' ';
                list += option.valueName.empty() ? name : name + ":" + kindWord(option.value);
            }
        }
        if (!flagNames.empty()) flags << "        " << key(command) << "=\"" << flagNames << "\"\n";
        if (!valueNames.empty()) valued << "        " << key(command) << "=\"" << valueNames << "\"\n";

        std::string kinds;
        for (const ArgumentEntry& argument : command.arguments) {
            kinds += (kinds.empty() ? "" : " ") + std::string(kindWord(argument.value));
        }
        if (!kinds.empty()) arguments << "        " << key(command) << "=\"" << kinds << "\"\n";
    }
    std::ostringstream out;
    out << "    local -A commands=(\n" << commands.str() << "    )\n";
    out << "    local -A flags=(\n" << flags.str() << "    )\n";
    out << "    local -A valued=(\n" << valued.str() << "    )\n";
    out << "    local -A arguments=(\n" << arguments.str() << "    )\n";
    out << "    local fallthrough=" << (tree.optionsAfterCommands ? 1 : 0) << '\n';
    return out.str();
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::string bashCompletion(const CommandTree& tree) {
    std::string function = "_" + tree.program;
    replaceAll(function, "-", "_");
    std::string script = kCompletionBody;
    replaceAll(script, "@TABLES@", tables(tree));
    replaceAll(script, "@F@", function);
    replaceAll(script, "@PROGRAM@", tree.program);
    return "# bash completion for " + tree.program + "; made from its command line by the build.\n\n" + script;
}

}  // namespace kakeibo::reference
