# shellcheck shell=bash
# Sourced by the end-to-end test: a private CUPS scheduler on a socket of its own, with a
# cups-pdf queue as its default printer. Nothing of the machine's own printing is touched.
#   start_private_cups DIR    starts the scheduler, exports CUPS_SERVER, sets CUPSD_PID
#   add_pdf_printer DIR       waits for it and adds the cups-pdf queue as the default
#   cups_pdf_output_dir       where cups-pdf writes the PDF of a job of this user

start_private_cups() {
    local dir=$1
    mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log}
    chmod 755 "$dir" "$dir"/*
    chmod 1777 "$dir/spool/tmp"
    cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF
    cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    # Its own output goes to a file: an inherited pipe would keep the test runner waiting.
    /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    # shellcheck disable=SC2034 # read by the script that sources this one
    CUPSD_PID=$!
    export CUPS_SERVER="$dir/cups.sock"
}

# Retries a command, each try cut off after five seconds, for up to about half a minute: the
# scheduler answers status requests before it takes administrative ones, and a client once
# stalled here on a scheduler that had only just started.
retry() {
    local tries=0
    until timeout 5 "$@"; do
        tries=$((tries + 1))
        if ((tries > 25)); then
            return 1
        fi
        sleep 0.2
    done
}

add_pdf_printer() {
    local dir=$1
    # lpadmin warns that printer drivers are deprecated; cups-pdf still needs its PPD.
    if ! retry lpstat -r >/dev/null 2>&1 \
        || ! retry lpadmin -p gridwick-pdf -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null \
        || ! retry lpadmin -d gridwick-pdf; then
        echo "the private CUPS scheduler did not take the printer:" >&2
        cat "$dir/log/error_log" "$dir/log/cupsd.out" >&2 2>/dev/null || true
        return 1
    fi
}

cups_pdf_output_dir() {
    # cups-pdf writes to the "Out" folder of its configuration, with ${HOME} standing for the
    # home folder of the job's user as the password database gives it.
    local out home
    out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
    # shellcheck disable=SC2016 # the literal text cups-pdf's configuration uses
    out=${out:-'${HOME}/PDF'}
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    echo "${out//\$\{HOME\}/$home}"
}
