# Sourced by the end-to-end test: a private CUPS scheduler on a socket of its own, with a
# cups-pdf queue as its default printer. Nothing of the machine's own printing is touched.
#   start_private_cups DIR   starts it, exports CUPS_SERVER; sets CUPSD_PID
#   cups_pdf_output_dir      where cups-pdf writes the PDF of a job of this user

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
    /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
    CUPSD_PID=$!
    export CUPS_SERVER="$dir/cups.sock"
    local tries=0
    until lpstat -r >/dev/null 2>&1; do
        tries=$((tries + 1))
        if ((tries > 100)); then
            echo "private CUPS scheduler did not start:" >&2
            cat "$dir/log/error_log" >&2 || true
            return 1
        fi
        sleep 0.1
    done
    # lpadmin warns that printer drivers are deprecated; cups-pdf still needs its PPD.
    lpadmin -p gridwick-pdf -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    lpadmin -d gridwick-pdf
}

cups_pdf_output_dir() {
    # cups-pdf writes to the "Out" folder of its configuration, with ${HOME} standing for the
    # home folder of the job's user as the password database gives it.
    local out home
    out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
    out=${out:-'${HOME}/PDF'}
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    echo "${out//\$\{HOME\}/$home}"
}
