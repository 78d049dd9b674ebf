// The class's picture on the browser board, as the desktop board draws it: every device's
// share of home ends as a dot over its number of journeys (a logarithmic axis), against the
// band the exact chance predicts for so many journeys, and the class's pooled share beside
// them. The band narrows like 1/√n, so the dots close in as the class walks on.

const dotRadius = 6;

export function drawClassPicture(canvas, status, core, tr) {
  const ratio = canvas.ownerDocument.defaultView.devicePixelRatio || 1;
  const width = canvas.clientWidth;
  const height = canvas.clientHeight;
  canvas.width = Math.round(width * ratio);
  canvas.height = Math.round(height * ratio);
  const g = canvas.getContext('2d');
  g.setTransform(ratio, 0, 0, ratio, 0, 0);
  g.fillStyle = '#fff';
  g.fillRect(0, 0, width, height);
  const style = canvas.ownerDocument.defaultView.getComputedStyle(canvas);
  const size = parseFloat(style.fontSize);
  g.font = `${size}px ${style.fontFamily}`;
  const line = size * 1.3;
  const left = g.measureText('100 %').width + 12;
  const right = g.measureText('100000').width / 2 + 8;
  const area = { left, top: line, width: width - left - right, height: height - 4 * line };
  if (area.width <= 0 || area.height <= 0) return;
  const axes = core.classPictureAxes(Math.max(status.pooled, ...status.devices.map((d) => d.journeys)));
  const along = (at, share) => [area.left + at * area.width, area.top + (1 - share) * area.height];
  const place = (journeys, share) => along(core.classPictureAt(axes.most, journeys), share);

  g.strokeStyle = '#000';
  g.lineWidth = 1;
  g.strokeRect(area.left, area.top, area.width, area.height);
  g.fillStyle = '#000';
  g.textBaseline = 'middle';
  g.textAlign = 'right';
  for (const share of axes.shareTicks) {
    g.fillText(`${Math.round(100 * share)} %`, area.left - 6, place(1, share)[1]);
  }
  g.textAlign = 'center';
  g.textBaseline = 'top';
  for (const n of axes.journeyTicks) {
    const [x, y] = place(n, 0);
    g.beginPath();
    g.moveTo(x, y);
    g.lineTo(x, y + 4);
    g.stroke();
    g.fillText(String(n), x, y + 4);
  }
  g.fillText(tr('Reisen des Geräts (logarithmisch)'), area.left + area.width / 2,
             area.top + area.height + line + 4);

  const exact = status.exactHome;
  if (exact !== null && exact !== undefined) {
    // The band: exact ± two standard errors for every number of journeys along the axis.
    const band = core.classPictureBand(exact, axes.most);
    g.beginPath();
    band.forEach((p, i) => (i === 0 ? g.moveTo(...along(p.at, p.high)) : g.lineTo(...along(p.at, p.high))));
    for (const p of [...band].reverse()) g.lineTo(...along(p.at, p.low));
    g.closePath();
    g.fillStyle = 'rgba(0, 128, 255, 0.19)';
    g.fill();
    g.strokeStyle = '#0040a0';
    g.lineWidth = 2;
    g.beginPath();
    g.moveTo(...place(1, exact));
    g.lineTo(...place(axes.most, exact));
    g.stroke();
  }
  g.lineWidth = 1;
  g.strokeStyle = '#000';
  g.textAlign = 'left';
  g.textBaseline = 'middle';
  for (const d of status.devices) {
    if (d.removed || !d.journeys) continue;
    const [x, y] = place(d.journeys, d.share);
    g.fillStyle = '#ffc800';
    g.beginPath();
    g.arc(x, y, dotRadius, 0, 2 * Math.PI);
    g.fill();
    g.stroke();
    // Named only where it strays from the band: thirty names over one another read as none.
    if (d.strays) {
      g.fillStyle = '#000';
      g.fillText(d.name || tr('Gerät %1', d.device), x + dotRadius + 2, y);
    }
  }
  if (status.pooled > 0 && status.share !== undefined) {
    const [x, y] = place(status.pooled, status.share);
    const half = dotRadius * 1.4;
    g.fillStyle = '#c80000';
    g.lineWidth = 2;
    g.fillRect(x - half, y - half, 2 * half, 2 * half);
    g.strokeRect(x - half, y - half, 2 * half, 2 * half);
    g.fillStyle = '#000';
    g.textAlign = 'right';
    g.textBaseline = 'bottom';
    g.fillText(tr('Klasse'), x - half - 2, y - half);
  }
}

// The QR code of the devices' address, as the server made it, each module whole pixels.
export function drawQrCode(canvas, rows) {
  const quiet = 4;
  const modules = rows.length + 2 * quiet;
  const ratio = canvas.ownerDocument.defaultView.devicePixelRatio || 1;
  const scale = Math.max(2, Math.floor((canvas.clientWidth * ratio) / modules));
  canvas.width = modules * scale;
  canvas.height = modules * scale;
  const g = canvas.getContext('2d');
  g.fillStyle = '#fff';
  g.fillRect(0, 0, canvas.width, canvas.height);
  g.fillStyle = '#000';
  rows.forEach((row, y) => {
    for (let x = 0; x < row.length; ++x) {
      if (row[x] === '1') g.fillRect((x + quiet) * scale, (y + quiet) * scale, scale, scale);
    }
  });
}
